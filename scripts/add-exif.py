#!/usr/bin/env python3
"""Puts an EXIF segment into a JPEG, as a camera writes it: when it was taken, a caption and a
camera's facts (Canon EOS R6, RF24-105mm F4L, 35 mm, 1/320 s, f/5.6, ISO 200).
Usage: scripts/add-exif.py FILE "YYYY:MM:DD HH:MM:SS" CAPTION"""
import struct, sys
path, taken, caption = sys.argv[1:]
def directory(entries, start, nxt=0):
    head, values = struct.pack('>H', len(entries)), b''
    at = start + 2 + 12 * len(entries) + 4
    for tag, kind, count, value in entries:
        if len(value) <= 4:
            head += struct.pack('>HHI', tag, kind, count) + value.ljust(4, b'\0')
        else:
            head += struct.pack('>HHII', tag, kind, count, at + len(values))
            values += value
    return head + struct.pack('>I', nxt) + values
text = lambda t: t.encode() + b'\0'
ratio = lambda n, d: struct.pack('>II', n, d)
first = [(0x010E, 2, len(text(caption)), text(caption)), (0x010F, 2, 6, text('Canon')),
         (0x0110, 2, 13, text('Canon EOS R6')), (0x8769, 4, 1, struct.pack('>I', 0))]
exif_at = 8 + len(directory(first, 8))
first[3] = (0x8769, 4, 1, struct.pack('>I', exif_at))
second = [(0x829A, 5, 1, ratio(1, 320)), (0x829D, 5, 1, ratio(56, 10)), (0x8827, 3, 1, struct.pack('>H', 200)),
          (0x9003, 2, 20, text(taken)), (0x920A, 5, 1, ratio(35, 1)), (0xA434, 2, 15, text('RF24-105mm F4L'))]
tiff = b'MM\0\x2a' + struct.pack('>I', 8) + directory(first, 8) + directory(second, exif_at)
body = b'Exif\0\0' + tiff
jpeg = open(path, 'rb').read()
open(path, 'wb').write(jpeg[:2] + b'\xff\xe1' + struct.pack('>H', len(body) + 2) + body + jpeg[2:])
