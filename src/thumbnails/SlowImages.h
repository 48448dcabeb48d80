#pragma once

#include "generator/Pictures.h"

#include <QByteArray>
#include <set>
#include <vector>

namespace tuk {

// The images that ran out of their decoding time, each named by its identity on disk
// (PictureStamp::Identity), kept in a small file of the picture folder, so that a later run
// does not spend that time on them again while they stay as they are. A dot-file of the
// program's own, whose name the page writer never takes for one of its temporary files.
inline constexpr char kSlowImagesFileName[] = ".tu_k-too-slow";
using SlowImages = std::set<QByteArray>;

// The record of the folder; empty when there is none or it is no small regular file.
SlowImages ReadSlowImages(int folderFd);
// Writes the record whole (left alone when it says the same already); an empty one removes the
// file. A record that cannot be written only costs the next run the time again.
void WriteSlowImages(int folderFd, const SlowImages& images);

// The folder whose record tells which of its images ran out of their time: the thumbnails'
// when the run makes them, else the screen-sized copies'; -1 for none.
int SlowRecordFolder(const PictureSource& source, const PictureSizes& sizes);
// Rewrites the record of every picture folder of a run from its plans (a TooSlow plan names
// its image by its identity): images no longer slow, changed or no longer there drop out.
void WriteSlowRecords(const std::vector<PictureSource>& sources, const PictureSizes& sizes,
                      const std::vector<PicturePlan>& plans);

} // namespace tuk
