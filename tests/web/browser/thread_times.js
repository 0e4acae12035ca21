// Processor time by thread, read from /proc, for make web-fps: where a frame's
// time goes in the page (Chromium's processes) and in the desktop viewer (its
// process and Xvfb's). Each thread is counted in one group: the program's
// main thread, Mesa's rasterizer threads, Chromium's GPU process and display
// compositor, Xvfb, or the rest.
//
//   node thread_times.js PID...
//       prints "GROUP<tab>TICKS" lines for those processes and their
//       descendants
//   node thread_times.js --since FILE FRAMES GRID PID...
//       prints "GRID<tab>GROUP<tab>MS" lines: the milliseconds a frame each
//       group spent since FILE, the first form's output, was written FRAMES
//       frames ago
'use strict';
const fs = require('fs');

const GROUPS = ['main thread', "Mesa's rasterizer", 'GPU process', 'display compositor', 'Xvfb',
  'other'];

function read(file) {
  try {
    return fs.readFileSync(file, 'utf8');
  } catch (error) {
    return null;  // the process or thread has ended
  }
}

// The name and the fields after it of a /proc stat line; the name may hold
// spaces and parentheses, so it runs to the last ')'.
function parseStat(text) {
  const close = text.lastIndexOf(')');
  return {
    name: text.slice(text.indexOf('(') + 1, close),
    fields: text.slice(close + 2).split(' '),
  };
}

// pid → parent pid for every process.
function parents() {
  const parent = new Map();
  for (const pid of fs.readdirSync('/proc').filter((entry) => /^\d+$/.test(entry))) {
    const stat = read(`/proc/${pid}/stat`);
    if (stat !== null) parent.set(Number(pid), Number(parseStat(stat).fields[1]));
  }
  return parent;
}

function withDescendants(roots) {
  const parent = parents();
  const chosen = new Set(roots);
  for (let grown = true; grown;) {
    grown = false;
    for (const [pid, ppid] of parent) {
      if (!chosen.has(pid) && chosen.has(ppid)) {
        chosen.add(pid);
        grown = true;
      }
    }
  }
  return [...chosen];
}

// What a process is: a Chromium process by its --type (renderer,
// gpu-process, ...; "browser" for the browser's own), any other by its name.
// Chromium rewrites its command line as one string, so the switch is looked
// for anywhere in it.
function describeProcess(pid, name) {
  const line = read(`/proc/${pid}/cmdline`) || '';
  const type = line.match(/--type=([a-z-]+)/);
  if (type) return { kind: type[1], chromium: true };
  return line.includes('chromium') ? { kind: 'browser', chromium: true } : { kind: name };
}

// The program's main thread is the page's renderer's, or that of a process
// that is not Chromium's (the desktop viewer).
function group(owner, thread, isMainThread) {
  if (thread.startsWith('llvmpipe-')) return "Mesa's rasterizer";
  if (owner.kind === 'Xvfb') return 'Xvfb';
  if (thread === 'VizCompositorTh') return 'display compositor';
  if (owner.kind === 'gpu-process') return 'GPU process';
  if (isMainThread && (owner.kind === 'renderer' || !owner.chromium)) return 'main thread';
  return 'other';
}

// Ticks (user and system, 1/100 s) by group, over the processes `roots` and
// their descendants.
function ticksByGroup(roots) {
  const ticks = Object.fromEntries(GROUPS.map((name) => [name, 0]));
  for (const pid of withDescendants(roots)) {
    const own = read(`/proc/${pid}/stat`);
    if (own === null) continue;
    const owner = describeProcess(pid, parseStat(own).name);
    let threads = [];
    try {
      threads = fs.readdirSync(`/proc/${pid}/task`);
    } catch (error) {
      continue;
    }
    for (const tid of threads) {
      const stat = read(`/proc/${pid}/task/${tid}/stat`);
      if (stat === null) continue;
      const { name, fields } = parseStat(stat);
      ticks[group(owner, name, Number(tid) === pid)] += Number(fields[11]) + Number(fields[12]);
    }
  }
  return ticks;
}

// Milliseconds a frame by group, from two readings `frames` frames apart.
function perFrame(before, after, frames) {
  return GROUPS.map((name) => [name, (10 * (after[name] - before[name])) / frames]);
}

// "GROUP<tab>MS" lines, each led by "GRID<tab>" when a grid is given.
function formatPerFrame(times, grid) {
  const lead = grid === undefined ? '' : `${grid}\t`;
  return times.map(([name, ms]) => `${lead}${name}\t${ms.toFixed(2)}\n`).join('');
}

function main(args) {
  if (args[0] !== '--since') {
    const ticks = ticksByGroup(args.map(Number));
    for (const name of GROUPS) console.log(`${name}\t${ticks[name]}`);
    return;
  }
  const [, file, frames, grid, ...pids] = args;
  const before = Object.fromEntries(fs.readFileSync(file, 'utf8').trim().split('\n')
    .map((line) => line.split('\t')).map(([name, ticks]) => [name, Number(ticks)]));
  const after = ticksByGroup(pids.map(Number));
  process.stdout.write(formatPerFrame(perFrame(before, after, Number(frames)), grid));
}

if (require.main === module) main(process.argv.slice(2));

module.exports = { ticksByGroup, perFrame, formatPerFrame };
