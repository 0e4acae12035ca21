// Headless Firefox (Debian's firefox-esr) with the page open from disk, for
// the page's tests: the same driver as chromium.js, over WebDriver BiDi (no
// geckodriver), and the same waits, which work on either browser's pages.
//
// Headless Firefox draws WebGL 2 only through an X display (Mesa's llvmpipe
// behind it); without one it refuses to create the context. The tests give
// it a private Xvfb of its own through DISPLAY.
'use strict';
const puppeteer = require('puppeteer-core');
const chromium = require('./chromium');

const FIREFOX = process.env.FIREFOX || '/usr/bin/firefox-esr';

// In a closed network: no update, telemetry or remote settings of its own.
const QUIET_PREFS = {
  'app.update.enabled': false,
  'browser.safebrowsing.malware.enabled': false,
  'browser.safebrowsing.phishing.enabled': false,
  'datareporting.policy.dataSubmissionEnabled': false,
  'toolkit.telemetry.enabled': false,
};

// prefs: more of Firefox's preferences, as {'webgl.disabled': true}. The
// driver makes a fresh profile and removes it on close.
async function launch(prefs = {}) {
  if (!process.env.DISPLAY) {
    throw new Error('Firefox draws WebGL 2 only on an X display, and DISPLAY is not set');
  }
  return puppeteer.launch({
    browser: 'firefox',
    executablePath: FIREFOX,
    headless: true,
    env: { ...process.env },
    extraPrefsFirefox: { ...QUIET_PREFS, ...prefs },
    // Its first start on a loaded machine takes longer than the default.
    timeout: chromium.DEADLINE_MS,
    protocolTimeout: chromium.DEADLINE_MS,
  });
}

module.exports = { ...chromium, launch };
