// Headless Chromium with the page open from disk, for the page's tests, the
// comparison with the desktop viewer and the frame-rate benchmark.
//
// Every wait polls a condition against a deadline; none sleeps a fixed time.
// The waits drive any page of the driver's, and firefox.js shares them.
// SwiftShader draws WebGL on the processor, slowly on a loaded machine, so
// the deadlines are generous.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const puppeteer = require('puppeteer-core');

const DEADLINE_MS = Number(process.env.WEB_TEST_DEADLINE_MS || 120000);
const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

// WebGL 2 through Chromium's own software renderer, SwiftShader, or through
// Mesa's (llvmpipe, over EGL with no display), which draws the desktop viewer
// in Xvfb.
const RENDERERS = {
  swiftshader: ['--disable-gpu', '--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
  mesa: ['--use-gl=angle', '--use-angle=gl-egl', '--ignore-gpu-blocklist'],
};

// Chromium as root, in a closed network: no sandbox, no connections of its
// own, a fresh profile every time.
function chromiumArgs(extra, renderer) {
  return [
    '--no-sandbox', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ...RENDERERS[renderer], ...extra,
  ];
}

// Headless needs no display; given one that has gone away (as a script that
// stopped its Xvfb leaves DISPLAY behind), it draws no WebGL frame at all.
function environment() {
  const env = { ...process.env };
  delete env.DISPLAY;
  delete env.WAYLAND_DISPLAY;
  return env;
}

async function launch(extraArgs = [], renderer = 'swiftshader') {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'orvane-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    env: environment(),
    userDataDir: profile,
    args: chromiumArgs(extraArgs, renderer),
    protocolTimeout: DEADLINE_MS,
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// Opens the page file at a viewport smaller than the page, so that a key that
// scrolled it would show; collects every console error, uncaught exception
// and failed request into page.problems.
async function open(browser, pageFile, viewport = { width: 900, height: 600 }) {
  const page = await browser.newPage();
  page.problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error') page.problems.push(`console error: ${message.text()}`);
  });
  page.on('pageerror', (error) => page.problems.push(`uncaught: ${error.message}`));
  page.on('requestfailed', (request) =>
    page.problems.push(`request failed: ${request.url()} ${request.failure().errorText}`));
  await page.setViewport({ ...viewport, deviceScaleFactor: 1 });
  await page.goto(pathToFileURL(path.resolve(pageFile)).href, { timeout: DEADLINE_MS });
  return page;
}

// Waits for a condition evaluated in the page; `what` names it in the error.
async function waitInPage(page, what, fn, ...args) {
  try {
    await page.waitForFunction(fn, { timeout: DEADLINE_MS, polling: 20 }, ...args);
  } catch (error) {
    throw new Error(`timed out after ${DEADLINE_MS / 1000} s waiting for ${what}`);
  }
}

async function waitReady(page) {
  await waitInPage(page, 'the viewer to start', () => window.orvane && window.orvane.ready);
}

function frames(page) {
  return page.evaluate(() => window.orvane.frames());
}

// Waits until `count` more frames have been drawn.
async function waitFrames(page, count) {
  const target = (await frames(page)) + count;
  await waitInPage(page, `${count} more frames`, (n) => window.orvane.frames() >= n, target);
}

// The canvas's pixels as a PNG, after three new frames, so the picture shows
// a frame drawn after anything done before the call.
async function shot(page) {
  await waitFrames(page, 3);
  const canvas = await page.$('canvas#viewer');
  return canvas.screenshot({ type: 'png' });
}

// Waits until two pictures taken three frames apart are the same: the scene
// is frozen and the last change has reached the screen.
async function stable(page) {
  const deadline = Date.now() + DEADLINE_MS;
  let previous = await shot(page);
  for (;;) {
    const next = await shot(page);
    if (next.equals(previous)) return next;
    if (Date.now() > deadline) throw new Error('the picture did not come to rest');
    previous = next;
  }
}

// Waits until the picture differs from `reference` and has come to rest.
async function changed(page, reference, what) {
  const deadline = Date.now() + DEADLINE_MS;
  for (;;) {
    const picture = await stable(page);
    if (!picture.equals(reference)) return picture;
    if (Date.now() > deadline) throw new Error(`the picture did not change after ${what}`);
  }
}

async function moving(page) {
  const a = await shot(page);
  const b = await shot(page);
  return !a.equals(b);
}

async function waitMoving(page, what) {
  const deadline = Date.now() + DEADLINE_MS;
  while (!(await moving(page))) {
    if (Date.now() > deadline) throw new Error(`the picture does not move ${what}`);
  }
}

// Stops the spin at exactly frame `spinFrame` and the source motion at
// exactly frame `motionFrame` (default the same): Home and End are sent from
// inside the page, through the page's own buttons, at the moment the frame
// counter reaches each, between two frames. The spin angles and the frame
// clock then stand as the desktop viewer's do after those many frames.
async function freezeAtFrame(page, spinFrame, motionFrame = spinFrame) {
  return page.evaluate((targets) => new Promise((resolve, reject) => {
    const pending = [['Home', targets[0]], ['End', targets[1]]].sort((a, b) => a[1] - b[1]);
    const channel = new MessageChannel();
    channel.port1.onmessage = () => {
      const drawn = window.orvane.frames();
      while (pending.length && drawn === pending[0][1]) {
        document.querySelector(`button[data-key="${pending.shift()[0]}"]`).click();
      }
      if (!pending.length) {
        resolve(drawn);
      } else if (drawn > pending[0][1]) {
        reject(new Error(`the page was at frame ${drawn} already, past ${pending[0][1]}`));
      } else {
        channel.port2.postMessage(0);
      }
    };
    channel.port2.postMessage(0);
  }), [spinFrame, motionFrame]);
}

// Frames per second over `seconds`, counted and timed inside the page by the
// frame counter of window[counter].
function rate(page, seconds, counter = 'orvane') {
  return page.evaluate((ms, name) => new Promise((resolve) => {
    const startFrames = window[name].frames();
    const start = performance.now();
    const poll = () => {
      const elapsed = performance.now() - start;
      if (elapsed < ms) {
        setTimeout(poll, 50);
        return;
      }
      resolve((1000 * (window[name].frames() - startFrames)) / elapsed);
    };
    setTimeout(poll, 50);
  }), 1000 * seconds, counter);
}

module.exports = {
  DEADLINE_MS, launch, open, waitInPage, waitReady, frames, waitFrames, shot, stable, changed,
  moving, waitMoving, freezeAtFrame, rate,
};
