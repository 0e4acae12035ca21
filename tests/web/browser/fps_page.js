// fps_page.js PAGE SECONDS [RENDERER [THREADS]]: the page's frame rate at
// grids 16, 32 and 64 in headless Chromium with vsync and the frame-rate limit
// off, WebGL drawn by RENDERER (swiftshader, the default, or mesa: see
// chromium.js), the grid changed by typing "+" as on the desktop. Prints one
// line per grid: the grid and the frames per second over SECONDS seconds drawn
// after the keys took effect. Given THREADS, a file, writes there the
// browser's processor time a frame at each grid by group of threads
// (thread_times.js), "GRID<tab>GROUP<tab>MS" lines, over the same seconds.
//
// fps_page.js --floor FLOOR SECONDS GRID:VERTICES:CORNERS...: the same for
// SwiftShader's drawing floor (floor_page.html), one page per grid, sending
// that many vertices and corners.
'use strict';
const fs = require('fs');
const chromium = require('./chromium');
const threadTimes = require('./thread_times');

const [pageFile, secondsText, renderer = 'swiftshader', threadsFile] = process.argv.slice(2);
const seconds = Number(secondsText || 5);

async function floors(browser) {
  const [floorFile, secondsText, ...grids] = process.argv.slice(3);
  for (const entry of grids) {
    const [grid, vertices, corners] = entry.split(':');
    const page = await chromium.open(browser, floorFile);
    await page.goto(`${page.url()}?vertices=${vertices}&corners=${corners}`);
    await chromium.waitInPage(page, 'the floor to draw', () => window.floor && window.floor.frames() > 3);
    console.log(`${grid} ${(await chromium.rate(page, Number(secondsText), 'floor')).toFixed(0)}`);
    await page.close();
  }
}

// Prints the rate at the grid reached; given THREADS, adds the processor time
// a frame to it as well, read over the same seconds.
async function measure(browser, page, grid) {
  const roots = [browser.process().pid];
  const ticks = threadsFile && threadTimes.ticksByGroup(roots);
  const frames = threadsFile && (await chromium.frames(page));
  console.log(`${grid} ${(await chromium.rate(page, seconds)).toFixed(0)}`);
  if (!threadsFile) return;
  const drawn = (await chromium.frames(page)) - frames;
  const times = threadTimes.perFrame(ticks, threadTimes.ticksByGroup(roots), drawn);
  fs.appendFileSync(threadsFile, threadTimes.formatPerFrame(times, grid));
}

async function main() {
  const floor = process.argv[2] === '--floor';
  const browser = await chromium.launch(['--disable-gpu-vsync', '--disable-frame-rate-limit'],
    floor ? 'swiftshader' : renderer);
  try {
    if (floor) {
      await floors(browser);
      return;
    }
    if (threadsFile) fs.writeFileSync(threadsFile, '');
    const page = await chromium.open(browser, pageFile);
    await chromium.waitReady(page);
    let grid = 16;
    for (const target of [16, 32, 64]) {
      for (; grid < target; grid++) await page.keyboard.press('+');
      // The frames in progress when the keys arrived are not counted.
      await chromium.waitFrames(page, 3);
      await measure(browser, page, grid);
    }
  } finally {
    await browser.close();
  }
}

main().catch((error) => {
  console.error(`FAIL: ${error.message}`);
  process.exit(1);
});
