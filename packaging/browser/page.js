// The page around the program: it fetches the program, its font and the
// content folders listed in files.json (with a progress bar), writes them into
// the program's file system, starts it at the largest scale that shows the
// whole 768 × 480 design, and draws what a browser tab cannot: the report of
// a damaged file and the end screen.
'use strict';

(() => {
  const DESIGN_WIDTH = 768;
  const DESIGN_HEIGHT = 480;

  // What the page knows, for a look from the developer tools (and the tests).
  const state = (globalThis.mirosutaState = {
    phase: 'loading', // loading | running | report | ended | failed
    screen: null, // the open screen's form name
    screensShown: 0,
    firstScreenAt: null, // ms after navigation, once the first screen is drawn
    scale: 1,
    pictureRatio: 1, // 2: the twice-size pictures are wanted
    picturePack: null, // the pack fetched
    moreKanji: null, // the rarer kanji's font: null (not needed) | 'fetched' | 'unavailable'
    report: null,
    soundsStarted: 0,
    soundsPlayed: 0,
    download: null, // a download that failed: { kind: stalled | failed | filtered, file }
    worker: null, // 'registered' once the page asked for its service worker
    storage: null, // 'failed' once the page told that nothing can be kept
    missing: [], // content files the server did not have
    // The build the page names, and those its script and module carry.
    build: { page: null, script: null, module: null },
    // When each step of the start ended, in ms after navigation.
    timing: {},
  });
  const mark = (step) => { state.timing[step] = Math.round(performance.now()); };

  const $ = (id) => document.getElementById(id);

  function showNotice(text, button) {
    $('loading').hidden = true;
    $('notice-text').textContent = text;
    $('restart').textContent = button;
    $('notice').hidden = false;
    $('screen').setAttribute('aria-hidden', 'true');
    $('restart').focus();
  }
  $('restart').addEventListener('click', () => location.reload());

  // Called by the program (src/app/platformtuning_browser.cpp and
  // src/services/platformservices_browser.cpp).
  globalThis.mirosutaPage = {
    screenShown(formName, caption) {
      state.screen = formName;
      state.screensShown += 1;
      relabelScreenReaderButton();
      document.title = `${caption} — ミロスタ`;
      if (state.firstScreenAt === null) {
        // Two frames: the screen's first paint has reached the canvas.
        requestAnimationFrame(() =>
          requestAnimationFrame(() => {
            state.firstScreenAt = performance.now();
            $('loading').hidden = true;
          }));
      }
    },
    report(text) {
      state.phase = 'report';
      state.report = text;
      showNotice(text, 'もう一度読み込む');
    },
    ended(status) {
      state.screen = null;
      if (status === 0) {
        state.phase = 'ended';
        showNotice('ミロスタを終了しました。', 'もう一度始める');
      }
    },
  };

  // The drill's sounds (src/drill/webaudiosoundplayer.cpp). Browsers start an
  // audio context only after a tap or a key; the first sound follows one.
  const sound = (globalThis.mirosutaSound = {
    context: null,
    source: null,
    unlock() {
      const AudioContext = globalThis.AudioContext || globalThis.webkitAudioContext;
      if (!AudioContext)
        return;
      if (!this.context)
        this.context = new AudioContext();
      if (this.context.state === 'suspended')
        this.context.resume().catch(() => {});
    },
    play(bytes) {
      this.unlock();
      const context = this.context;
      if (!context)
        return;
      state.soundsStarted += 1;
      // A sound that cannot be decoded stays silent, as on the desktop.
      context.decodeAudioData(bytes).then((buffer) => {
        if (this.source) {
          try { this.source.stop(); } catch (e) { /* already over */ }
        }
        const source = context.createBufferSource();
        source.buffer = buffer;
        source.connect(context.destination);
        source.start();
        this.source = source;
        state.soundsPlayed += 1;
      }, () => {});
    },
  });
  for (const type of ['pointerdown', 'keydown', 'touchend'])
    addEventListener(type, () => sound.unlock(), { capture: true, passive: true });

  // Qt's own button that turns its accessibility layer on speaks English; it
  // lies in the shadow tree of the element that Qt puts into the screen's.
  function relabelScreenReaderButton() {
    const tree = $('screen').querySelector('#qt-shadow-container')?.shadowRoot;
    if (!tree)
      return;
    for (const b of tree.querySelectorAll('button.hidden-visually-read-by-screen-reader'))
      if (b.textContent !== '読み上げを有効にする')
        b.textContent = '読み上げを有効にする';
    if (!tree.mirosutaWatched) {
      tree.mirosutaWatched = true;
      new MutationObserver(relabelScreenReaderButton).observe(tree, { childList: true, subtree: true });
    }
  }

  // Qt's screen is the design's own size at the scale, centred on the page:
  // a window at the screen's origin is where Qt maps taps and clicks, which
  // it does not for a window moved inside a larger scaled screen.
  function placeScreen() {
    const el = $('screen');
    const w = DESIGN_WIDTH * state.scale;
    const h = DESIGN_HEIGHT * state.scale;
    el.style.width = `${w}px`;
    el.style.height = `${h}px`;
    el.style.left = `${Math.max(0, (innerWidth - w) / 2)}px`;
    el.style.top = `${Math.max(0, (innerHeight - h) / 2)}px`;
  }
  addEventListener('resize', placeScreen);

  function fitScale() {
    const k = Math.min(innerWidth / DESIGN_WIDTH, innerHeight / DESIGN_HEIGHT);
    // Two decimals: Qt takes the factor as text; never smaller than half size.
    return Math.max(0.5, Math.floor(k * 100) / 100);
  }

  // A download that fails says what went wrong and what to do: a school's
  // network may stall a transfer for good, refuse it, or answer with its own
  // login or block page.
  class DownloadError extends Error {
    constructor(kind, url, detail = '') {
      super(`${kind}: ${url} ${detail}`);
      this.kind = kind; // stalled | failed | filtered | mixed
      this.url = url;
    }
  }
  const ASK = '\n\n「もう一度ためす」を押してください。\n何度も続くときは、学校のICT担当の方に伝えてください。';
  function tellDownload(e) {
    const file = decodeURIComponent(String(e.url).split('?')[0]);
    const text = {
      stalled: `ミロスタのファイルが、${STALL_MS / 1000}秒のあいだ届かなくなりました。\n`
               + 'ネットワークがこみあっているのかもしれません。',
      failed: 'ミロスタのファイルを受け取れませんでした。\nネットワークにつながっているか、確かめてください。',
      filtered: '学校のネットワークが、ミロスタのファイルのかわりに、\n'
                + '別のページ（ログインやフィルターの画面）を返しました。\n'
                + 'ログインが必要なら、ログインしてからためしてください。',
      mixed: 'サーバーのファイルが、新しい版と古い版で混ざっています。\n'
             + 'ミロスタを入れかえている途中かもしれません。しばらく待ってからためしてください。',
    }[e.kind];
    state.download = { kind: e.kind, file };
    showNotice(`${text}${ASK}\n\n（${file}）`, 'もう一度ためす');
  }

  // No bytes for this long ends a download with a message. Bytes of any
  // download count: on a busy network a request may wait its turn for a
  // connection while others arrive.
  const STALL_MS = 15000;
  let lastBytesAt = performance.now();

  // This build's files as the worker keeps them (sw.js: Workbox's precache
  // and the packs, each checked against its hash when kept), read here
  // straight from its caches when it serves the page, so that they do not
  // wait in the worker behind the content it asks the network for.
  let keptCaches = null;
  async function kept(url) {
    for (const cache of (await keptCaches) ?? []) {
      const response = await cache.match(new URL(url, location.href).href);
      if (response)
        return response;
    }
    return null;
  }

  // fetch() with a watchdog: it aborts when neither the answer nor any of
  // its bytes came for STALL_MS. read() gives the bytes, counting them into
  // the progress bar. A file of the build is read from the worker's copy if
  // there is one.
  async function watchedFetch(url, init = {}) {
    const abort = new AbortController();
    let stalled = false;
    let timer;
    const watch = (ms) => {
      clearTimeout(timer);
      timer = setTimeout(() => {
        const idle = performance.now() - lastBytesAt;
        if (idle < STALL_MS)
          return watch(STALL_MS - idle);
        stalled = true;
        abort.abort();
      }, ms);
    };
    const poke = () => {
      lastBytesAt = performance.now();
      watch(STALL_MS);
    };
    const fail = (e) => {
      clearTimeout(timer);
      return stalled ? new DownloadError('stalled', url) : new DownloadError('failed', url, e?.message ?? e);
    };
    poke();
    let response;
    try {
      response = (init.cache !== 'no-cache' && init.cache !== 'reload' && (await kept(url)))
                 || (await fetch(url, { ...init, signal: abort.signal }));
    } catch (e) {
      throw fail(e);
    }
    // A login or block page in the place of a file of the program or its
    // content (a worker that had to refuse one says so in a header).
    const type = (response.headers.get('Content-Type') ?? '').toLowerCase();
    if ((response.ok && type.startsWith('text/html')) || response.headers.get('X-Mirosuta-Refused') === 'text/html') {
      abort.abort();
      clearTimeout(timer);
      throw new DownloadError('filtered', url);
    }
    if (!response.ok)
      clearTimeout(timer); // its body is not read
    const read = async (progress, body = response) => {
      try {
        return await readBytes(body, (n) => { poke(); progress(n); });
      } catch (e) {
        throw fail(e);
      } finally {
        clearTimeout(timer);
      }
    };
    return { response, read, poke };
  }

  // Fetches a file, counting its bytes into the progress bar. An optional
  // file the server does not give is null.
  async function fetchBytes(url, progress, optional, init = {}) {
    let got;
    try {
      got = await watchedFetch(url, init);
    } catch (e) {
      if (optional && e.kind === 'failed')
        return null;
      throw e;
    }
    if (!got.response.ok) {
      if (optional)
        return null;
      throw new DownloadError('failed', url, got.response.status);
    }
    return got.read(progress);
  }

  const hex = (bytes) => [...new Uint8Array(bytes)].map((b) => b.toString(16).padStart(2, '0')).join('');
  // Whether bytes are the file its hash names (not checkable on plain HTTP,
  // where there is no crypto.subtle and no worker to keep anything).
  const isFile = async (bytes, hash) =>
    !globalThis.crypto?.subtle || hex(await crypto.subtle.digest('SHA-256', bytes)).startsWith(hash);

  // A file of the program named by its hash in its address, checked: a
  // server half way through an update may give another build's file at the
  // address, which the browser's cache may then hold. It is asked of the
  // server once more; another build's file is never given to the program.
  async function fetchChecked(url, hash, progress, optional) {
    let bytes = await fetchBytes(url, progress, optional);
    if (bytes && !(await isFile(bytes, hash))) {
      bytes = await fetchBytes(url, () => {}, optional, { cache: 'reload' });
      if (bytes && !(await isFile(bytes, hash)))
        throw new DownloadError('mixed', url);
    }
    return bytes;
  }

  // The program is compiled while it arrives, from the response itself, not
  // from its bytes once all are read; only a module compiled so can have its
  // code kept by the browser beside the cached copy (Chromium does once
  // enough of it is optimised). From a server that sends it as another type
  // than application/wasm, it is compiled from its bytes.
  async function fetchProgram(url, progress) {
    const { response, read } = await watchedFetch(url);
    if (!response.ok)
      throw new DownloadError('failed', url, response.status);
    const bytes = read(progress, response.clone());
    const module = Promise.resolve()
      .then(() => WebAssembly.compileStreaming(response))
      .catch(async () => WebAssembly.compile(await bytes));
    return { bytes, module };
  }

  async function readBytes(response, progress) {
    if (!response.body)
      return new Uint8Array(await response.arrayBuffer());
    const reader = response.body.getReader();
    const parts = [];
    let size = 0;
    for (;;) {
      const { done, value } = await reader.read();
      if (done)
        break;
      parts.push(value);
      size += value.length;
      progress(value.length);
    }
    const bytes = new Uint8Array(size);
    let at = 0;
    for (const p of parts) {
      bytes.set(p, at);
      at += p.length;
    }
    return bytes;
  }

  // Whether a text holds a character of the rarer kanji's font (a teacher's
  // edit may): the shipped texts need only the font every page fetches.
  function needsMoreKanji(contentBytes, chars) {
    const wanted = new Set(chars);
    // Each reading the program may take of a text (src/content/textloader.h):
    // a byte-order mark decides; valid UTF-8 may still be read as CP932.
    const readings = (bytes) => {
      if (bytes[0] === 0xFF && bytes[1] === 0xFE)
        return ['utf-16le'];
      if (bytes[0] === 0xFE && bytes[1] === 0xFF)
        return ['utf-16be'];
      try {
        new TextDecoder('utf-8', { fatal: true }).decode(bytes);
        return ['utf-8', 'shift_jis'];
      } catch (e) {
        return ['shift_jis'];
      }
    };
    for (const [path, bytes] of contentBytes)
      if (bytes && path.endsWith('.txt'))
        for (const encoding of readings(bytes))
          for (const c of new TextDecoder(encoding).decode(bytes))
            if (wanted.has(c))
              return true;
    return false;
  }

  // The content's relative paths hold Japanese folder names.
  const urlOf = (path) => path.split('/').map(encodeURIComponent).join('/');

  // Storage that fails is told once, plainly: every visit then downloads
  // everything again, and the lessons need the network.
  function tellStorage() {
    try {
      if (sessionStorage.getItem('mirosuta-storage-told'))
        return;
      sessionStorage.setItem('mirosuta-storage-told', '1');
    } catch (e) { /* storage refused altogether: told this once */ }
    state.storage = 'failed';
    $('storage-note-text').textContent =
      'この端末には、ミロスタを保存できませんでした（保存する場所が足りないか、許されていません）。\n'
      + 'ミロスタを開くたびに、ネットワークから読み込みます。ネットワークがないときは使えません。';
    $('storage-note').hidden = false;
  }
  $('storage-note-close').addEventListener('click', () => { $('storage-note').hidden = true; });

  // The worker keeps the build for offline use and for a quick next start
  // (sw.js); persistent storage, where offered, keeps the browser from
  // dropping it under pressure.
  async function keepForOffline(keep) {
    if (!isSecureContext)
      return;
    if (!('serviceWorker' in navigator)) {
      tellStorage(); // a private window, or workers turned off
      return;
    }
    if (navigator.storage?.persist && !(await navigator.storage.persisted().catch(() => true)))
      navigator.storage.persist().catch(() => {});
    // The worker tells an install that failed for want of room (sw.js).
    navigator.serviceWorker.addEventListener('message', (event) => {
      if (event.data?.storage)
        tellStorage();
    });
    navigator.serviceWorker.startMessages();
    try {
      await navigator.serviceWorker.register('sw.js');
    } catch (e) {
      if (e?.name === 'SecurityError')
        tellStorage(); // storage for this site refused
      return;
    }
    state.worker = 'registered';
    // The pack and font this page fetched before the worker served it.
    (await navigator.serviceWorker.ready).active?.postMessage({ keep });
  }

  // The build a module carries (make_site.py writes it into a custom section).
  function buildOf(module) {
    const [section] = WebAssembly.Module.customSections(module, 'mirosuta.build');
    return section ? new TextDecoder().decode(section) : null;
  }

  // A new build that the worker fetched on an earlier visit waits until no
  // page of the old one is open. A browser may let it take over while the
  // returning page still loads the old build (WebKit does, even before this
  // script runs), and its activation removes the old build's files under that
  // page. So the returning page asks the waiting build to take over before it
  // reads anything, and a page that finds itself under the new build (a
  // takeover while it loads, or the new build's listing) reloads onto it once.
  // (Where storage is refused no reload is tried, so that none can loop.)
  const session = (() => { try { return sessionStorage; } catch { return null; } })();
  const retaken = !session || session.getItem('mirosuta-retaken') !== null;
  try { session?.removeItem('mirosuta-retaken'); } catch { /* as refused */ }
  function reloadOnce() {
    if (retaken)
      return false;
    try { session.setItem('mirosuta-retaken', '1'); } catch { return false; }
    location.reload();
    return true;
  }
  async function takeNewBuild() {
    const workers = navigator.serviceWorker;
    if (!workers?.controller)
      return; // a first visit: its worker claims the page later, as intended
    workers.addEventListener('controllerchange', () => {
      if (state.phase === 'loading' || state.phase === 'failed')
        reloadOnce();
    });
    const waiting = (await workers.getRegistration().catch(() => null))?.waiting;
    if (!waiting || retaken)
      return;
    waiting.postMessage({ takeOver: true });
    // The reload comes with the takeover; a browser that keeps the new build
    // waiting even so runs the old one, which stays whole until it is closed.
    await new Promise((done) => setTimeout(done, TAKEOVER_WAIT_MS));
  }
  const TAKEOVER_WAIT_MS = 3000;

  async function start() {
    // The list of this page's own build: its program files and its content.
    const version = document.querySelector('meta[name="mirosuta-version"]').content;
    await takeNewBuild();
    // A script of the page that did not arrive (index.html's onerror).
    const scripts = globalThis.mirosutaScripts;
    if (scripts) {
      scripts.started = true;
      if (!$('notice').hidden && !scripts.failed.length) {
        // index.html told that page.js was late; it came.
        $('notice').hidden = true;
        $('loading').hidden = false;
      }
      if (scripts.failed.length)
        throw new DownloadError('failed', scripts.failed[0]);
    }
    if (navigator.serviceWorker?.controller && globalThis.caches) {
      const scope = new URL('./', location.href).href;
      keptCaches = Promise.all([`mirosuta-precache-v2-${scope}`, `mirosuta-packs-${scope}`]
        .map(async (name) => ((await caches.has(name)) ? caches.open(name) : null)))
        .then((found) => found.filter(Boolean), () => null);
    }
    const listing = await watchedFetch(`files.json?v=${version}`);
    if (!listing.response.ok)
      throw new DownloadError('failed', 'files.json', listing.response.status);
    const files = JSON.parse(new TextDecoder().decode(await listing.read(() => {})));
    mark('listed');
    // This page is of another build than the listing the server or the worker
    // now gives: the new build took over, or the server was given it.
    if (files.version !== version && reloadOnce())
      return new Promise(() => {}); // the reload replaces this page
    state.build.page = files.build;
    state.build.script = globalThis.mirosutaScriptBuild ?? null;
    state.scale = fitScale();
    // The twice-size pictures where Qt will draw more than one device pixel
    // per design pixel (as on an iPad, or any screen scaled up), as on the
    // desktop; the other pack is left on the server.
    state.pictureRatio = devicePixelRatio * state.scale > 1 ? 2 : 1;
    const packs = files.program.filter((f) => f.ratio);
    const pack = packs.find((f) => f.ratio === state.pictureRatio) ?? packs[0];
    const moreFile = files.program.find((f) => f.chars);
    const needed = files.program.filter((f) => (!f.ratio || f === pack) && f !== moreFile);
    let total = needed.concat(files.content).reduce((n, f) => n + f.size, 0);
    let loaded = 0;
    const bar = $('progress');
    const progress = (n) => {
      loaded += n;
      bar.value = Math.min(1, loaded / total);
    };
    const versioned = (f) => `${urlOf(f.path)}?v=${f.hash}`;
    const wasmFile = files.program.find((f) => f.path.endsWith('.wasm'));
    const fontFile = files.program.find((f) => f.path.endsWith('.ttf') && f !== moreFile);

    const program = fetchProgram(versioned(wasmFile), progress);
    // Its bytes too: a stalled module is told as stalled, not as not compiling.
    const module = program.then((p) => Promise.all([p.module, p.bytes])).then(([m]) => {
      mark('compiled');
      return m;
    });
    const font = fetchChecked(versioned(fontFile), fontFile.hash, progress);
    // Offline, with the screen's ratio changed since the last visit, the pack
    // kept then serves: the program draws those pictures scaled.
    const pictures = fetchChecked(versioned(pack), pack.hash, progress).then(
      (bytes) => [pack, bytes],
      async (e) => {
        for (const other of packs.filter((f) => f !== pack)) {
          const bytes = await fetchChecked(versioned(other), other.hash, () => {}, true).catch(() => null);
          if (bytes)
            return [other, bytes];
        }
        throw e;
      });
    const content = Promise.all(
      // Asked of the server every time (the worker, if any, keeps a copy):
      // the browser's own cache would hide a teacher's edit.
      files.content.map(async (f) =>
        [f.path, await fetchBytes(urlOf(f.path), progress, true, { cache: 'no-cache' })]));
    // Offline, a font never fetched leaves those kanji blank; the rest runs.
    const moreFont = content.then(async (texts) => {
      if (!moreFile || !needsMoreKanji(texts, moreFile.chars))
        return null;
      total += moreFile.size;
      const bytes = await fetchChecked(versioned(moreFile), moreFile.hash, progress, true);
      state.moreKanji = bytes ? 'fetched' : 'unavailable';
      return bytes;
    });
    const [fontBytes, [pictureFile, pictureBytes], contentBytes, moreFontBytes] =
      await Promise.all([font, pictures, content, moreFont]);
    mark('fetched');
    state.picturePack = pictureFile.path;
    // A script and a module of two builds would fail in ways no one could
    // explain: a server that answers an old address with a new file.
    state.build.module = buildOf(await module);
    if (state.build.script !== files.build || state.build.module !== files.build)
      throw new Error('プログラムのファイルが、新しい版と古い版で混ざっています。もう一度読み込んでください。'
                      + `\n(${files.build} / ${state.build.script} / ${state.build.module})`);

    placeScreen();
    await qtLoad({
      qt: {
        entryFunction: globalThis.mirosuta_entry,
        containerElements: [$('screen')],
        module,
        environment: { QT_SCALE_FACTOR: String(state.scale) },
        onExit: (exit) => {
          if (exit.crashed) {
            state.phase = 'failed';
            showNotice(`ミロスタが止まりました。\n\n${exit.text ?? ''}`, 'もう一度読み込む');
          }
        },
      },
      preRun: [
        (instance) => {
          const FS = instance.FS;
          const write = (path, bytes) => {
            const dir = path.slice(0, path.lastIndexOf('/'));
            if (dir)
              FS.mkdirTree(dir);
            FS.writeFile(path, bytes);
          };
          write('/fonts/mincho.ttf', fontBytes);
          if (moreFontBytes)
            write('/fonts/mincho-more.ttf', moreFontBytes);
          // Where the program looks for its pictures (assets/catalog/picturepacks_files.cpp).
          write(`/pictures/${pictureFile.path}`, pictureBytes);
          // A file the server lacks stays missing: the program reports it by
          // its path when a screen needs it, as on the desktop.
          for (const [path, bytes] of contentBytes) {
            if (bytes)
              write(`/${path}`, bytes);
            else
              state.missing.push(path);
          }
        },
      ],
    });
    mark('started');
    if (state.phase === 'loading')
      state.phase = 'running';
    keepForOffline([versioned(pictureFile)].concat(moreFontBytes ? [versioned(moreFile)] : []))
      .catch(() => {});
  }

  start().catch((e) => {
    state.phase = 'failed';
    if (e instanceof DownloadError)
      tellDownload(e);
    else
      showNotice(`ミロスタを読み込めませんでした。\n\n${e.message ?? e}`, 'もう一度読み込む');
  });
})();
