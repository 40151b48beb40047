// Runs one Qt Test executable built for WebAssembly and keeps its output for
// the browser suite (tests/browser/test_qt.py), which reads globalThis.qtTestRun.
//
// files.json lists the files that the tests read at the absolute paths
// compiled into them (the build's content folders and the checkout's texts);
// each is fetched and written at that path before main() runs, as is the font.
'use strict';

(() => {
  const params = new URLSearchParams(location.search);
  const test = params.get('test');
  const testClass = params.get('class') || '';
  // One "Totals:" line per test class; a run of the whole executable is told
  // how many classes it holds.
  const expectedTotals = Number(params.get('totals') || 1);

  const run = (globalThis.qtTestRun = {
    test,
    testClass,
    lines: [],
    totals: [],
    done: false,
    exit: null,
    error: null,
    startedAt: null,
    endedAt: null,
  });

  const log = document.getElementById('log');
  const finish = () => {
    if (!run.done) {
      run.done = true;
      run.endedAt = performance.now();
    }
  };
  const output = (text) => {
    for (const line of String(text).split('\n')) {
      run.lines.push(line);
      if (/^Totals: /.test(line)) {
        run.totals.push(line);
        if (run.totals.length >= expectedTotals)
          finish();
      }
    }
    log.textContent += `${text}\n`;
  };

  const loadScript = (src) =>
    new Promise((resolve, reject) => {
      const s = document.createElement('script');
      s.src = src;
      s.onload = resolve;
      s.onerror = () => reject(new Error(`cannot load ${src}`));
      document.head.appendChild(s);
    });

  const fetchBytes = async (url) => {
    const response = await fetch(url);
    if (!response.ok)
      throw new Error(`${url}: ${response.status}`);
    return new Uint8Array(await response.arrayBuffer());
  };

  async function start() {
    if (!test || !/^[A-Za-z0-9_]+$/.test(test))
      throw new Error('testpage.html?test=NAME');
    const list = await (await fetch('files.json', { cache: 'no-cache' })).json();
    const files = await Promise.all(list.map(async (f) => [f.path, await fetchBytes(f.url)]));
    await loadScript(`${test}.js`);
    const entry = globalThis[`${test}_entry`];
    if (typeof entry !== 'function')
      throw new Error(`${test}.js defines no ${test}_entry`);

    const environment = { QT_QPA_PLATFORM: 'wasm' };
    if (testClass)
      environment.MIROSUTA_TEST_CLASS = testClass;
    run.startedAt = performance.now();
    await qtLoad({
      qt: {
        entryFunction: entry,
        containerElements: [document.getElementById('screen')],
        environment,
        onExit: (exit) => {
          run.exit = { code: exit.code ?? null, text: exit.text ?? '', crashed: !!exit.crashed };
          finish();
        },
      },
      print: output,
      printErr: output,
      preRun: [
        (instance) => {
          const FS = instance.FS;
          for (const [path, bytes] of files) {
            FS.mkdirTree(path.slice(0, path.lastIndexOf('/')) || '/');
            FS.writeFile(path, bytes);
          }
        },
      ],
    });
  }

  start().catch((e) => {
    run.error = String(e && e.stack ? e.stack : e);
    output(`testpage: ${run.error}`);
    finish();
  });
})();
