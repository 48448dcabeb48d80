// Walks the pages tu_k-make makes of the sample folder in headless Chromium (next to the end, prev
// back, last, first), as files and served as UTF-8, alike; then albums of a tree, web-ready pages
// on a phone and a desktop, an index over three pages. Usage: node browser.test.mjs TU_K_MAKE
import { chromium } from 'playwright-core';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const maker = path.resolve(process.argv[2] ?? '');
const sample = path.join(here, 'sample-images');

// Names are bytes (latin1 strings); text is what a page shows. One name is not UTF-8.
const sampleNames = fs.readdirSync(sample).filter((n) => /\.(gif|jpe?g)$/i.test(n));
const images = [
    ...sampleNames.map((n) => ({ source: n, bytes: Buffer.from(n).toString('latin1'), text: n })),
    { source: sampleNames[0], bytes: 'Caf\xe9 au lait.jpg', text: 'Caf\ufffd au lait.jpg' },
].sort((a, b) => { // the list order of the program: without regard to case, then exact
    const la = a.text.toLowerCase(), lb = b.text.toLowerCase();
    return la < lb ? -1 : la > lb ? 1 : (a.text < b.text ? -1 : a.text > b.text ? 1 : 0);
});
// The page name's bytes: ASCII letters lower-cased (no other sample letter has a case).
const pageName = (image) => {
    const dot = image.bytes.lastIndexOf('.');
    return `${image.bytes.slice(0, dot)}_${image.bytes.slice(dot + 1)}.html`
        .replace(/[A-Z]/g, (c) => c.toLowerCase());
};
const fsPath = (bytes) => Buffer.from(bytes, 'latin1');
// The path of a URL as bytes: percent escapes decoded, everything else as UTF-8.
const pathBytes = (url) => new URL(url).pathname.split(/(%[0-9A-Fa-f]{2})/).map((part) =>
    part.startsWith('%') ? String.fromCharCode(parseInt(part.slice(1), 16))
        : Buffer.from(part).toString('latin1')).join('');
const encodeBytes = (bytes) => bytes.replace(/[^A-Za-z0-9/._~-]/g,
    (c) => `%${c.charCodeAt(0).toString(16).toUpperCase().padStart(2, '0')}`);
const fileUrl = (bytes) => new URL(`file://${encodeBytes(bytes)}`).href;

// Serves the files below root by their paths, pages as UTF-8, as static web hosts do.
async function startServer(root) {
    const types = { '.html': 'text/html; charset=utf-8', '.jpg': 'image/jpeg', '.jpeg': 'image/jpeg', '.gif': 'image/gif' };
    const server = http.createServer((request, response) => {
        const file = pathBytes(`http://host${request.url}`);
        const type = types[path.extname(file).toLowerCase()];
        if (!file.startsWith(root + '/') || !type || !fs.existsSync(fsPath(file))) return response.writeHead(404).end();
        response.writeHead(200, { 'Content-Type': type }).end(fs.readFileSync(fsPath(file)));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return { server, origin: `http://127.0.0.1:${server.address().port}` };
}

let failures = 0;
const check = (condition, what) => condition || (failures++, console.error(`  FAIL: ${what}`));

// A new folder below parent (else root) holding the samples, or layout's [subfolder, images]
// pairs, made with these stored options and arguments (into target, or as a site into `into`).
function make(options, { parent = null, target = null, into = null, args = [], layout = [['', images]] } = {}) {
    const root = fs.mkdtempSync(path.join(os.tmpdir(), 'tu_k-e2e-'));
    const config = path.join(root, 'config');
    fs.mkdirSync(path.join(config, 'Tarnwick'), { recursive: true });
    const others = Object.entries(options).map(([k, v]) => `${k}=${v}`).join('\n');
    fs.writeFileSync(path.join(config, 'Tarnwick', 'Tu_K.conf'), `[Others]\n${others}\n`);
    const folder = fs.mkdtempSync(path.join(parent ?? root, 'Holiday Pics '));
    for (const [sub, list] of layout) {
        fs.mkdirSync(path.join(folder, sub), { recursive: true });
        for (const image of list)
            fs.copyFileSync(path.resolve(sample, image.source), fsPath(path.join(folder, sub, image.bytes)));
    }
    if (target) fs.mkdirSync(target = path.join(root, target));
    if (into) args = [...args, '--into', path.join(root, into)];
    execFileSync(maker, ['--yes', '--quiet', ...args, ...(target ? ['--target', target] : []), folder],
        { env: { ...process.env, XDG_CONFIG_HOME: config, XDG_CACHE_HOME: path.join(root, 'cache') }, stdio: ['ignore', 'pipe', 'inherit'] });
    return { root, folder, pages: target ?? folder };
}

// Reads what a visitor sees and what the page links to (href as given, and resolved).
async function readPage(page) {
    const { pictures: [img], links } = await readDocument(page);
    const nav = links.filter((l) => ['first', 'prev', 'next', 'last'].includes(l.text));
    const shown = await page.evaluate(async () => {
        let background = null;
        const bg = getComputedStyle(document.body).backgroundImage;
        if (bg && bg !== 'none') {
            const url = bg.replace(/^url\("?/, '').replace(/"?\)$/, '');
            const probe = new Image();
            await new Promise((r) => { probe.onload = probe.onerror = r; probe.src = url; });
            background = { url, width: probe.naturalWidth };
        }
        return { title: document.title, text: document.body.innerText, background };
    });
    return { ...shown, links: Object.fromEntries(nav.map((l) => [l.text, l.href])), hrefs: nav.map((l) => l.raw),
        imageWidth: img ? img.width : null, imageSrc: img?.raw };
}

// Walks one run's pages at origin (else as files); each page must show what seenTexts holds.
async function walk(browser, label, pagesFolder, expect, origin, seenTexts) {
    console.log(`- ${label}`);
    const page = await browser.newPage();
    const pathOf = (i) => `${pagesFolder}/${pageName(images[i])}`;
    const folderName = path.basename(expect.folder).toLowerCase();
    const n = images.length;

    const verify = async (i) => {
        const seen = await readPage(page);
        const name = images[i].text.toLowerCase();
        const where = `${label}, page ${i + 1} (${images[i].text})`;
        check(pathBytes(page.url()) === pathOf(i), `${where}: at ${page.url()}, want ${pathOf(i)}`);
        check(seen.title === name, `${where}: title "${seen.title}"`);
        check(seen.text.includes(name), `${where}: image name line missing`);
        const shown = JSON.stringify([seen.title, seen.text]);
        if (seenTexts.has(i))
            check(seenTexts.get(i) === shown, `${where}: shows ${shown}, as a file ${seenTexts.get(i)}`);
        seenTexts.set(i, shown);
        check(seen.text.includes(`[${folderName} ${i + 1}/${n}]`), `${where}: folder line missing in ${JSON.stringify(seen.text.slice(0, 300))}`);
        check(expect.background ? seen.imageWidth === null && seen.background?.width > 0 : seen.imageWidth > 0,
            `${where}: image did not load as ${expect.background ? 'background' : '<img>'} (${JSON.stringify(seen.background)})`);
        check(seen.text.includes('Tarnwick'), `${where}: credit line missing`);
        check(!seen.text.includes('-->') && !seen.text.includes('<!--'), `${where}: comment markup visible`);
        if (expect.fullPaths)
            check(seen.hrefs.length === 4 && [...seen.hrefs, seen.imageSrc].every((h) => h.startsWith('/')),
                `${where}: links and image are not full paths: ${seen.hrefs} ${seen.imageSrc}`);
        const want = { first: 0, prev: Math.max(i - 1, 0), next: Math.min(i + 1, n - 1), last: n - 1 };
        for (const [link, target] of Object.entries(want))
            check(seen.links[link] && pathBytes(seen.links[link]) === pathOf(target), `${where}: ${link} leads to ${seen.links[link]}`);
    };
    await page.goto(`${origin ?? 'file://'}${encodeBytes(pathOf(0))}`);
    await verify(0);
    const steps = [...Array(n - 1).fill(['next', 1]), ...Array(n - 1).fill(['prev', -1]), ['last'], ['first']];
    let i = 0;
    for (const [link, by] of steps) {
        await Promise.all([page.waitForNavigation(), page.click(`a:text-is("${link}")`)]);
        i = by ? i + by : link === 'last' ? n - 1 : 0;
        await verify(i);
    }
    await page.close();
}

// Index at device scale 1 and 2: each picture loads and fits (a thumbnail, @2x at 2 when the
// image has the pixels, or an image no larger than a thumbnail itself), links to its page and back.
async function walkIndex(browser, folder) {
    const indexUrl = fileUrl(`${folder}/index.html`);
    for (const scale of [1, 2]) {
        console.log(`- index page at device scale ${scale}`);
        const context = await browser.newContext({ deviceScaleFactor: scale });
        const page = await context.newPage();
        await page.goto(indexUrl);
        const entries = (await readDocument(page)).pictures;
        check(entries.length === images.length, `index: ${entries.length} thumbnails for ${images.length} images`);
        check(entries.some((e) => e.thumb && e.twin), 'index: no thumbnail has a sharp twin');
        for (const e of entries) {
            check(e.width > 0 && Math.max(e.width, e.height) <= (e.thumb ? 240 * scale : 240) &&
                e.src.endsWith('@2x.jpg') === (scale === 2 && e.twin),
                `index: ${e.src} is ${e.width}x${e.height} at scale ${scale}`);
            await page.goto(e.link);
            const back = await page.evaluate(() =>
                [...document.querySelectorAll('a')].find((a) => a.textContent === 'index')?.href);
            check(back === indexUrl, `index: ${e.link} links back to ${back}`);
        }
        await context.close();
    }
}

async function follow(page, selector) {
    const link = page.locator(selector).first();
    if (!await link.count()) throw new Error(`no ${selector} at ${page.url()}`);
    await Promise.all([page.waitForNavigation(), link.click()]);
}

// The open document once every picture has loaded (lazy ones scrolled into view): its pictures
// with their place on the page (and whether a thumbnail, with a sharp twin; src as written too),
// its links (resolved and as written), its width.
const readDocument = (page) => page.evaluate(async () => {
    const pictures = [];
    for (const img of document.querySelectorAll('img')) {
        img.scrollIntoView();
        if (!img.complete) await new Promise((r) => { img.onload = img.onerror = r; });
        const box = img.getBoundingClientRect();
        const raw = img.getAttribute('src');
        pictures.push({ src: img.currentSrc, raw, width: img.naturalWidth, height: img.naturalHeight,
            thumb: raw?.startsWith('thumbs/'), twin: img.hasAttribute('srcset'),
            link: img.closest('a')?.href, left: box.left + scrollX, right: box.right + scrollX, box });
    }
    const links = [...document.querySelectorAll('a')].map((a) => ({ text: a.textContent, href: a.href,
        raw: a.getAttribute('href'), button: a.closest('nav') && a.getBoundingClientRect() }));
    return { pictures, links, scrollWidth: document.documentElement.scrollWidth };
});

// Checks that the browser is at file, every picture there loaded and every link of it leads to an
// existing file; returns what it read.
async function arrive(page, file, where) {
    check(pathBytes(page.url()) === file, `${where}: at ${page.url()}, want ${file}`);
    const seen = await readDocument(page);
    const exists = (url) => fs.existsSync(fsPath(pathBytes(url)));
    for (const p of seen.pictures) check(p.width > 0 && exists(p.src), `${where}: ${p.src} did not load`);
    for (const l of seen.links.filter((l) => l.href.startsWith('file:')))
        check(exists(l.href), `${where}: the link ${l.raw} leads to no file`);
    return seen;
}

// An album tree: images in the top folder, Family/Kids and Family/Garden; Notes has none.
const byText = (...texts) => texts.map((t) => images.find((i) => i.text === t));
const albumLayout = [['', byText('100% Cotton.jpg', 'Beach.Day.JPG')],
    ['Family/Kids', byText('Fish & Chips.gif', 'Track #5.jpeg', '猫.GIF')],
    ['Family/Garden', byText('Harbour at dusk.jpg', 'sunset at sea.jpg')], ['Notes', []]];
const subAlbums = { '': ['Family'], Family: ['Garden', 'Kids'], 'Family/Garden': [], 'Family/Kids': [] };

// At device scale 1 and 2, from an album's index into each sub-album by its entry and to the
// album's first page; back by the page's "index" link and each index's "up" link (none at the top).
async function walkAlbums(browser, top) {
    for (const scale of [1, 2]) {
        console.log(`- albums at device scale ${scale}`);
        const context = await browser.newContext({ deviceScaleFactor: scale });
        const page = await context.newPage();
        const walkAlbum = async (album) => {
            const where = `albums at scale ${scale}, "${album || 'top'}"`;
            const index = path.join(top, album, 'index.html');
            const seen = await arrive(page, index, where);
            const entries = seen.links.filter((l) => l.text !== 'up' && l.href.endsWith('/index.html') &&
                path.dirname(path.dirname(pathBytes(l.href))) === path.join(top, album));
            const names = entries.map((l) => path.basename(path.dirname(pathBytes(l.href))));
            check(names.join() === (subAlbums[album] ?? []).join(), `${where}: sub-albums ${names}`);
            for (const [i, entry] of entries.entries()) {
                await follow(page, `a[href="${entry.raw}"]`);
                await walkAlbum(path.join(album, names[i]));
                await arrive(page, index, `${where}, back from ${names[i]}`);
            }
            const own = albumLayout.find(([sub]) => sub === album)?.[1] ?? [];
            if (own.length) {
                const first = path.join(top, album, pageName(own[0]));
                const entry = seen.links.find((l) => pathBytes(l.href) === first);
                check(entry, `${where}: no entry for ${first}`);
                await follow(page, `a[href="${entry?.raw}"]`);
                await arrive(page, first, `${where}, first page`);
                await follow(page, 'a:text-is("index")');
                await arrive(page, index, `${where}, back from the first page`);
            }
            const up = seen.links.find((l) => l.text === 'up');
            check(album ? up && pathBytes(up.href) === path.join(top, path.dirname(album), 'index.html') : !up,
                `${where}: up leads to ${up?.href}`);
            if (album && up) await follow(page, 'a:text-is("up")');
        };
        await page.goto(fileUrl(path.join(top, 'index.html')));
        await walkAlbum('');
        await context.close();
    }
}

// Nothing is wider than the window, and the links of the button rows are that many, each a
// target of at least 44 x 44 px.
function checkWidth(seen, width, where, buttons) {
    const nav = seen.links.filter((l) => l.button).map((l) => [l.text, l.button.width, l.button.height]);
    check(seen.scrollWidth <= width, `${where}: ${seen.scrollWidth} px wide`);
    check(nav.length === buttons && nav.every(([, w, h]) => w >= 44 && h >= 44), `${where}: buttons ${nav}`);
}

// The JPEG with an EXIF segment holding these texts of its first directory ({tag: text}, tags
// ascending, each text 4 bytes or more).
function withExif(jpeg, fields) {
    const entries = Object.entries(fields), ifd = Buffer.alloc(2 + 12 * entries.length + 4);
    let values = Buffer.alloc(ifd.writeUInt16BE(entries.length, 0) && 0);
    entries.forEach(([tag, text], i) => { // each an ASCII value after the directory
        const value = Buffer.from(`${text}\0`, 'latin1');
        [[tag, 2], [2, 4]].forEach(([n, at]) => ifd.writeUInt16BE(Number(n), at + 12 * i));
        [[value.length, 6], [8 + ifd.length + values.length, 10]].forEach(([n, at]) => ifd.writeUInt32BE(n, at + 12 * i));
        values = Buffer.concat([values, value]);
    });
    const body = Buffer.concat([Buffer.from('Exif\0\0MM\0\x2a\0\0\0\x08', 'latin1'), ifd, values]);
    return Buffer.concat([jpeg.subarray(0, 2), Buffer.from([0xff, 0xe1, (body.length + 2) >> 8, (body.length + 2) & 0xff]), body, jpeg.subarray(2)]);
}

// A portrait's copy fits a desktop's window whole, with its proportions, and so does the caption
// under it.
async function checkFit(browser, url) {
    const page = await browser.newPage({ viewport: { width: 1280, height: 800 } });
    await page.goto(url);
    const b = await page.evaluate(() => ({ ...document.querySelector('img').getBoundingClientRect().toJSON(),
        natural: document.querySelector('img').naturalWidth, caption: document.querySelector('p')?.getBoundingClientRect().bottom }));
    check(b.top >= 0 && b.left >= 0 && b.bottom <= 800 && b.right <= 1280 && b.height > 600 &&
        Math.abs(b.width / b.height - 0.75) < 0.01 && b.natural === 1200 && b.caption <= 800,
        `a portrait at 1280 x 800: ${JSON.stringify(b)}`);
    await page.close();
}

// A sideways or upward swipe of a finger on the page, by dx and dy px.
const swipe = (page, [dx, dy]) => page.evaluate(([dx, dy]) => {
    const at = (x, y) => [new Touch({ identifier: 1, target: document.body, clientX: x, clientY: y })];
    document.body.dispatchEvent(new TouchEvent('touchstart', { bubbles: true, touches: at(200, 400), changedTouches: at(200, 400) }));
    document.body.dispatchEvent(new TouchEvent('touchend', { bubbles: true, touches: [], changedTouches: at(200 + dx, 400 + dy) }));
}, [dx, dy]);

// A web-ready album with a sub-album, with captions and camera facts: the portrait and its
// caption fit; on a phone the "up"
// link is a button, the index shows its name as heading and its album as a stack, and the keys
// and swipes [dx, dy] of the tour go where they should, nowhere at an end or from a text field
// (a page with "field" gets one, focused).
async function walkWebLook(browser) {
    console.log('- web-ready: the picture fitted, keys, swipes and buttons');
    const tall = path.join(os.tmpdir(), `tu_k-e2e-${process.pid}.jpg`);
    execFileSync('convert', ['-size', '1500x2000', 'gradient:navy-orange', tall]);
    fs.writeFileSync(tall, withExif(fs.readFileSync(tall), { 0x010E: 'Harbour steps at dawn', 0x010F: 'Canon', 0x0110: 'Canon EOS R5' }));
    const own = [{ source: tall, bytes: 'Tall.jpg' }, ...byText('Beach.Day.JPG', 'Harbour at dusk.jpg')];
    const run = make({}, { args: ['-r', '--index', '--web-ready', '--web-size', '1600', '--captions', '--camera'],
        layout: [['', own], ['Trip', byText('Fish & Chips.gif')]] });
    fs.rmSync(tall);
    const url = (file) => fileUrl(path.join(run.folder, file));
    await checkFit(browser, url('tall_jpg.html'));
    const phone = await browser.newContext({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 2, isMobile: true, hasTouch: true });
    const page = await phone.newPage();
    await page.goto(url('Trip/index.html'));
    checkWidth(await readDocument(page), 390, 'phone, an album', 1);
    await page.goto(url('index.html')); // without its dates, each entry's lines; whether it is a stack
    const index = await page.evaluate(() => [document.querySelector('h1')?.textContent, ...[...document.querySelectorAll('span')]
        .map((s) => `${s.innerText.split('\n').filter((l) => l && !/\d\d/.test(l))} ${getComputedStyle(s.querySelector('img')).boxShadow !== 'none'}`)]);
    check(index.join('|') === `${path.basename(run.folder).toLowerCase()}|Trip,1 image true|beach.day.jpg false|` +
        'harbour at dusk.jpg false|tall.jpg false', `index: ${index}`);
    const tour = [['Trip/fish & chips_gif.html'], ['ArrowLeft'], ['ArrowRight'], ['Escape', 'Trip/index.html'],
        ['Escape', 'index.html'], ['Escape'], ['ArrowRight'], ['beach.day_jpg.html'], ['ArrowLeft'], [[150, 0]],
        ['ArrowRight', 'harbour at dusk_jpg.html'], ['ArrowRight', 'tall_jpg.html'], ['ArrowRight'], [[-150, 0]],
        ['ArrowLeft', 'harbour at dusk_jpg.html'], [[-150, 0], 'tall_jpg.html'], [[150, 0], 'harbour at dusk_jpg.html'],
        [[-80, -200]], ['Escape', 'index.html'], ['tall_jpg.html', 'field'], ['ArrowLeft'], ['Escape']];
    let at;
    for (const [step, to] of tour) {
        const field = String(step).endsWith('.html') && await page.goto(url(at = step)) && to;
        if (field) await page.evaluate(() => document.body.appendChild(document.createElement('input')).focus());
        if (String(step).endsWith('.html')) continue;
        const moved = (await Promise.all([page.waitForNavigation({ timeout: 1000 }).then(() => true, () => false),
            Array.isArray(step) ? swipe(page, step) : page.keyboard.press(step)]))[0];
        check(moved === Boolean(to) && pathBytes(page.url()) === path.join(run.folder, at = to ?? at), `${step} leads to ${page.url()}, want ${at}`);
    }
    await phone.close();
    fs.rmSync(run.root, { recursive: true, force: true });
}

// The page of the photo with a web copy, and the index, at a phone's size and a desktop's: no
// sideways scrolling, every image on the screen, the copy shown, its link the original.
async function walkWebReady(browser, folder) {
    const harbour = images.find((i) => i.text === 'Harbour at dusk.jpg');
    const pageFile = path.join(folder, pageName(harbour));
    const copy = path.join(folder, 'web', pageName(harbour).replace(/html$/, 'jpg'));
    for (const [width, height, scale] of [[390, 844, 3], [1280, 900, 1]]) {
        const where = `web-ready at ${width} x ${height}`;
        console.log(`- ${where}, scale ${scale}`);
        const context = await browser.newContext({ viewport: { width, height }, deviceScaleFactor: scale, isMobile: scale > 1 });
        const page = await context.newPage();
        for (const file of [pageFile, path.join(folder, 'index.html')]) {
            await page.goto(fileUrl(file));
            const seen = await arrive(page, file, `${where}, ${path.basename(file)}`);
            checkWidth(seen, width, `${where}, ${path.basename(file)}`, file === pageFile ? 5 : 0);
            for (const p of seen.pictures)
                check(p.left >= 0 && p.right <= width, `${where}: ${p.src} at ${p.left} to ${p.right}`);
        }
        await page.goto(fileUrl(pageFile));
        const [shown] = (await readDocument(page)).pictures;
        check(pathBytes(shown.src) === copy && shown.width === 480, `${where}: shows ${shown.src} (${shown.width} px)`);
        await follow(page, 'img');
        check(pathBytes(page.url()) === path.join(folder, harbour.bytes), `${where}: the picture leads to ${page.url()}`);
        await context.close();
    }
}

// 450 images: an index over three pages, each one's first/prev/next/last links leading where they
// should, the three together listing every page once.
const manyImages = Array.from({ length: 450 }, (_, i) => ({ source: 'Beach.Day.JPG', bytes: `img_${i + 1}.jpg` }));
async function walkIndexPages(browser, folder) {
    console.log('- 450 images over three index pages');
    const pages = manyImages.map((image) => path.join(folder, pageName(image)));
    const page = await browser.newPage({ viewport: { width: 390, height: 844 } });
    const indexes = ['index.html', 'index-2.html', 'index-3.html'].map((n) => path.join(folder, n));
    const listed = [];
    await page.goto(fileUrl(indexes[0]));
    for (const [i, index] of indexes.entries()) {
        const seen = await arrive(page, index, `index page ${i + 1}`);
        checkWidth(seen, 390, `index page ${i + 1}`, 8);
        const want = { first: 0, prev: Math.max(i - 1, 0), next: Math.min(i + 1, 2), last: 2 };
        const nav = seen.links.filter((l) => l.text in want);
        check(nav.length === 8 && nav.every((l) => pathBytes(l.href) === indexes[want[l.text]]),
            `index page ${i + 1}: links ${nav.map((l) => `${l.text} ${l.raw}`)}`);
        listed.push(...seen.pictures.map((p) => pathBytes(p.link)));
        if (i < 2) await follow(page, 'a:text-is("next")');
    }
    check(listed.sort().join() === pages.sort().join(), `index pages list ${listed.length} of ${pages.length} pages`);
    await page.close();
}

// A site of an album tree with odd names (blanks, accents, #, %, &, ?, a name that is not UTF-8),
// made with the originals, copied elsewhere and served over http: from its top index every page,
// index, picture and original loads, and no link leaves the site.
async function walkSite(browser) {
    console.log('- a site, copied elsewhere and served over http');
    const layout = [['', images], ['Family & Friends/Kids? #1', byText('Fish & Chips.gif', 'Harbour at dusk.jpg')]];
    const run = make({}, { into: 'Site', layout, args: ['-r', '--index', '--web-ready', '--web-size', '480', '--originals'] });
    const copy = path.join(run.root, 'Copy');
    execFileSync('cp', ['-a', path.join(run.root, 'Site'), copy]); // names that are not UTF-8 too
    fs.rmSync(path.join(run.root, 'Site'), { recursive: true });
    const { server, origin } = await startServer(run.root);
    const inside = `${origin}${encodeBytes(path.join(copy, path.basename(run.folder)))}/`;
    const page = await browser.newPage();
    const seen = new Set([`${inside}index.html`]), queue = [...seen];
    const loaded = { pages: 0, thumbs: 0, copies: 0, originals: 0 };
    try {
        while (queue.length) {
            const url = queue.shift();
            const response = await page.goto(url);
            check(response?.ok(), `site: ${url} did not load`);
            loaded.pages++;
            const found = await readDocument(page);
            for (const p of found.pictures) {
                check(p.width > 0 && p.src.startsWith(inside), `site: ${p.src} on ${url} did not load or lies outside`);
                loaded.thumbs += p.src.includes('/thumbs/') ? 1 : 0;
                loaded.copies += p.src.includes('/web/') ? 1 : 0;
            }
            for (const l of found.links.filter((l) => !l.href.startsWith('https://tarnwick.example/'))) {
                const href = l.href.replace(/#.*$/, '');
                check(href.startsWith(inside), `site: ${url} links ${l.raw}, outside the site`);
                if (seen.has(href) || !href.startsWith(inside)) continue;
                seen.add(href);
                if (href.endsWith('.html')) queue.push(href);
                else check((await page.request.get(href)).ok() && ++loaded.originals, `site: the original ${href} did not load`);
            }
        }
    } finally {
        server.close();
        await page.close();
    }
    const pages = images.length + 2 + 3; // the images' pages, their indexes, and the albums'
    check(loaded.pages === pages && loaded.thumbs > 0 && loaded.copies > 0 && loaded.originals > 0,
        `site: loaded ${JSON.stringify(loaded)}, want ${pages} pages`);
    fs.rmSync(run.root, { recursive: true, force: true });
}

async function main() {
    if (!fs.existsSync(maker)) throw new Error(`tu_k-make not found at ${maker}`);
    const browser = await chromium.launch({
        executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            '--allow-file-access-from-files'],
    });
    try {
        const runs = [
            { label: 'default options', options: {}, expect: {} },
            { label: 'image as background', options: { lBackGround: 'True' }, expect: { background: true } },
        ];
        for (const run of runs) {
            const setup = make(run.options);
            const expect = { ...run.expect, folder: setup.folder };
            const texts = new Map();
            await walk(browser, run.label, setup.folder, expect, null, texts);
            const { server, origin } = await startServer(setup.root);
            await walk(browser, `${run.label}, served as UTF-8`, setup.folder, expect, origin, texts).finally(() => server.close());
            fs.rmSync(setup.root, { recursive: true, force: true });
        }
        const indexed = make({ lIndex: 'True' });
        await walkIndex(browser, indexed.folder);
        fs.rmSync(indexed.root, { recursive: true, force: true });

        const visits = [[{ args: ['-r', '--index'], layout: albumLayout }, walkAlbums],
            [{ args: ['--web-ready', '--index', '--web-size', '480'] }, walkWebReady],
            [{ args: ['--web-ready', '--index'], layout: [['', manyImages]] }, walkIndexPages]];
        for (const [how, walkRun] of visits) {
            const run = make({}, how);
            await walkRun(browser, run.folder);
            fs.rmSync(run.root, { recursive: true, force: true });
        }
        await walkSite(browser);
        await walkWebLook(browser);

        // A folder on a RAM disk: pages go into the target folder, every link a full path.
        const shm = fs.mkdtempSync('/dev/shm/tu_k-e2e-');
        try {
            const setup = make({}, { parent: shm, target: 'Target Pages' });
            await walk(browser, 'other volume into a target folder', setup.pages,
                { fullPaths: true, folder: setup.folder }, null, new Map());
            fs.rmSync(setup.root, { recursive: true, force: true });
        } finally {
            fs.rmSync(shm, { recursive: true, force: true });
        }
    } finally {
        await browser.close();
    }
    if (failures) throw new Error(`browser test: ${failures} failure(s)`);
    console.log('browser test: all pages walk and show their images');
}

main().catch((e) => { console.error(e); process.exit(1); });
