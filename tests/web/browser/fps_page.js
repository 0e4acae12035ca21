// fps_page.js PAGE SECONDS: the page's frame rate at grids 16, 32 and 64 in
// headless Chromium with vsync and the frame-rate limit off, the grid changed
// by typing "+" as on the desktop. Prints one line per grid: the grid and the
// frames per second over SECONDS seconds drawn after the keys took effect.
'use strict';
const chromium = require('./chromium');

const [pageFile, secondsText] = process.argv.slice(2);
const seconds = Number(secondsText || 5);

// Frames drawn over the window, counted and timed inside the page.
function rate(page) {
  return page.evaluate((ms) => new Promise((resolve) => {
    const startFrames = window.orvane.frames();
    const start = performance.now();
    const poll = () => {
      const elapsed = performance.now() - start;
      if (elapsed < ms) {
        setTimeout(poll, 50);
        return;
      }
      resolve((1000 * (window.orvane.frames() - startFrames)) / elapsed);
    };
    setTimeout(poll, 50);
  }), 1000 * seconds);
}

async function main() {
  const browser = await chromium.launch(['--disable-gpu-vsync', '--disable-frame-rate-limit']);
  try {
    const page = await chromium.open(browser, pageFile);
    await chromium.waitReady(page);
    let grid = 16;
    for (const target of [16, 32, 64]) {
      for (; grid < target; grid++) await page.keyboard.press('+');
      // The frames in progress when the keys arrived are not counted.
      await chromium.waitFrames(page, 3);
      console.log(`${grid} ${(await rate(page)).toFixed(0)}`);
    }
  } finally {
    await browser.close();
  }
}

main().catch((error) => {
  console.error(`FAIL: ${error.message}`);
  process.exit(1);
});
