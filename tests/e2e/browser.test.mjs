// Makes pages for the sample folder with tu_k-make and walks them in headless Chromium, as a
// visitor would: first -> next -> ... -> last, back with prev, and first/last from every page.
// Usage: node browser.test.mjs /path/to/tu_k-make
import { chromium } from 'playwright-core';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const maker = path.resolve(process.argv[2] ?? '');
const sample = path.join(here, 'sample-images');
const browserPath = process.env.CHROMIUM ?? '/usr/bin/chromium';

// The list order of the program: by name without regard to case, exact name breaking ties.
const images = fs.readdirSync(sample)
    .filter((n) => /\.(gif|jpe?g)$/i.test(n))
    .sort((a, b) => {
        const la = a.toLowerCase(), lb = b.toLowerCase();
        return la < lb ? -1 : la > lb ? 1 : (a < b ? -1 : a > b ? 1 : 0);
    });
const pageName = (image) => {
    const dot = image.lastIndexOf('.');
    return `${image.slice(0, dot)}_${image.slice(dot + 1)}.html`.toLowerCase();
};

let failures = 0;
function check(condition, what) {
    if (!condition) {
        failures++;
        console.error(`  FAIL: ${what}`);
    }
}

// A scratch copy of the sample folder and a store with the given options.
function prepare(folderParent, options) {
    const root = fs.mkdtempSync(path.join(os.tmpdir(), 'tu_k-e2e-'));
    const config = path.join(root, 'config');
    fs.mkdirSync(path.join(config, 'Tarnwick'), { recursive: true });
    const others = Object.entries(options).map(([k, v]) => `${k}=${v}`).join('\n');
    fs.writeFileSync(path.join(config, 'Tarnwick', 'Tu_K.conf'), `[Others]\n${others}\n`);
    const folder = fs.mkdtempSync(path.join(folderParent ?? root, 'Holiday Pics '));
    for (const image of images)
        fs.copyFileSync(path.join(sample, image), path.join(folder, image));
    return { root, config, folder };
}

function make(setup, extraArgs = []) {
    execFileSync(maker, ['--yes', '--quiet', ...extraArgs, setup.folder], {
        env: { ...process.env, XDG_CONFIG_HOME: setup.config },
        stdio: ['ignore', 'pipe', 'inherit'],
    });
}

// Reads what a visitor sees and what the page links to.
async function readPage(page) {
    return page.evaluate(async () => {
        const links = {};
        for (const a of document.querySelectorAll('a')) {
            if (['first', 'prev', 'next', 'last'].includes(a.textContent)) links[a.textContent] = a.href;
        }
        const img = document.querySelector('img');
        if (img && !img.complete) await new Promise((r) => { img.onload = img.onerror = r; });
        let background = null;
        const bg = getComputedStyle(document.body).backgroundImage;
        if (bg && bg !== 'none') {
            const url = bg.replace(/^url\("?/, '').replace(/"?\)$/, '');
            const probe = new Image();
            await new Promise((r) => { probe.onload = probe.onerror = r; probe.src = url; });
            background = { url, width: probe.naturalWidth };
        }
        return {
            title: document.title,
            text: document.body.innerText,
            links,
            imageWidth: img ? img.naturalWidth : null,
            background,
        };
    });
}

const decoded = (url) => decodeURIComponent(new URL(url).pathname);

// Walks the pages of one run and checks each against its image.
async function walk(browser, label, pagesFolder, expect) {
    console.log(`- ${label}`);
    const page = await browser.newPage();
    const urlOf = (i) => decoded(pathToFileURL(path.join(pagesFolder, pageName(images[i]))).href);
    const folderName = path.basename(expect.folder).toLowerCase();
    const n = images.length;

    const verify = async (i) => {
        const seen = await readPage(page);
        const where = `${label}, page ${i + 1} (${images[i]})`;
        check(decoded(page.url()) === urlOf(i), `${where}: at ${decoded(page.url())}, want ${urlOf(i)}`);
        check(seen.title === images[i].toLowerCase(), `${where}: title "${seen.title}"`);
        check(seen.text.includes(images[i].toLowerCase()), `${where}: image name line missing`);
        check(seen.text.includes(`[${folderName} ${i + 1}/${n}]`), `${where}: folder line missing in ${JSON.stringify(seen.text.slice(0, 300))}`);
        check(/ :: \d+k/.test(seen.text), `${where}: size line missing`);
        if (expect.background) {
            check(seen.imageWidth === null, `${where}: an <img> beside the background`);
            check(seen.background && seen.background.width > 0, `${where}: background image did not load (${JSON.stringify(seen.background)})`);
        } else {
            check(seen.imageWidth > 0, `${where}: image did not load`);
        }
        check(seen.text.includes('Tarnwick') === expect.credit, `${where}: credit line ${expect.credit ? 'missing' : 'visible'}`);
        check(!seen.text.includes('-->') && !seen.text.includes('<!--'), `${where}: comment markup visible`);
        if (expect.fullPaths) {
            const hrefs = await page.$$eval('a', (as) => as
                .filter((a) => ['first', 'prev', 'next', 'last'].includes(a.textContent))
                .map((a) => a.getAttribute('href')));
            check(hrefs.length === 4, `${where}: ${hrefs.length} navigation links`);
            check(hrefs.every((h) => h.startsWith('/')), `${where}: links are not full paths: ${hrefs}`);
            const src = await page.$eval('img', (img) => img.getAttribute('src'));
            check(src.startsWith('/'), `${where}: image reference is not a full path: ${src}`);
        }
        const want = { first: 0, prev: Math.max(i - 1, 0), next: Math.min(i + 1, n - 1), last: n - 1 };
        for (const [name, target] of Object.entries(want))
            check(seen.links[name] && decoded(seen.links[name]) === urlOf(target), `${where}: ${name} leads to ${seen.links[name]}`);
    };
    const follow = async (name) => {
        await Promise.all([page.waitForNavigation(), page.click(`a:text-is("${name}")`)]);
    };

    await page.goto(pathToFileURL(path.join(pagesFolder, pageName(images[0]))).href);
    await verify(0);
    for (let i = 1; i < n; i++) { await follow('next'); await verify(i); }
    for (let i = n - 2; i >= 0; i--) { await follow('prev'); await verify(i); }
    await follow('last'); await verify(n - 1);
    await follow('first'); await verify(0);
    await page.close();
}

async function main() {
    if (!fs.existsSync(maker)) {
        console.error(`tu_k-make not found at ${maker}`);
        process.exit(2);
    }
    const browser = await chromium.launch({
        executablePath: browserPath,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            '--allow-file-access-from-files'],
    });
    try {
        const runs = [
            { label: 'default options', options: {}, expect: { credit: true } },
            { label: 'image as background', options: { lBackGround: 'True' }, expect: { background: true, credit: true } },
            { label: 'credit line off', options: { lCopyr: 'False' }, expect: { credit: false } },
        ];
        for (const run of runs) {
            const setup = prepare(null, run.options);
            make(setup);
            await walk(browser, run.label, setup.folder, { ...run.expect, folder: setup.folder });
            fs.rmSync(setup.root, { recursive: true, force: true });
        }

        // A folder on a RAM disk is not a fixed disk: pages go into the target folder and
        // every link is a full path.
        const shm = fs.mkdtempSync('/dev/shm/tu_k-e2e-');
        try {
            const setup = prepare(shm, {});
            const target = path.join(setup.root, 'Target Pages');
            fs.mkdirSync(target);
            make(setup, ['--target', target]);
            check(!fs.readdirSync(setup.folder).some((n) => n.endsWith('.html')), 'remote run wrote pages next to the images');
            await walk(browser, 'other volume into a target folder', target,
                { credit: true, fullPaths: true, folder: setup.folder });
            fs.rmSync(setup.root, { recursive: true, force: true });
        } finally {
            fs.rmSync(shm, { recursive: true, force: true });
        }
    } finally {
        await browser.close();
    }
    if (failures) {
        console.error(`browser test: ${failures} failure(s)`);
        process.exit(1);
    }
    console.log('browser test: all pages walk and show their images');
}

main().catch((e) => { console.error(e); process.exit(1); });
