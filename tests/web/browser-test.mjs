// The browser build tried as a student uses it: the page opened in Debian's headless
// Chromium (never a downloaded browser), in Russian, and every lab's worked example
// typed with real key events; the notice, the error boxes, Enter and Esc; the readout
// under the pointer, copying the points and saving them as a download; and each
// chart's picture against the Linux build's, the curves pixel for pixel.
//
//   node tests/web/browser-test.mjs SITE LINUX_SHOTS OUT
// SITE: the page's folder (build-web/site); LINUX_SHOTS: the Linux build's pictures of
// the windows (tools/lab_pictures, as the program paints them); OUT: where the
// pictures, the differences and figures.json go. The program is read through the page's
// labsProbe() (app/BrowserProbe.h). Fails on the first check that does not hold.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';
import { startServer } from '../../scripts/serve-web.mjs';

const [site, linuxShots, out] = process.argv.slice(2);
if (!site || !linuxShots || !out) {
  console.error('usage: browser-test.mjs SITE LINUX_SHOTS OUT');
  process.exit(2);
}
fs.mkdirSync(out, { recursive: true });

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
let checks = 0;
function check(condition, what, detail = '') {
  if (!condition)
    throw new Error(`${what}${detail ? `: ${detail}` : ''}`);
  ++checks;
  console.log(`ok   ${what}`);
}

const server = await startServer(site, 0);
const origin = `http://localhost:${server.address().port}`;
const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'labs-chromium-'));
const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'labs-downloads-'));
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--lang=ru-RU', '--accept-lang=ru-RU', '--enable-unsafe-swiftshader', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    `--user-data-dir=${profile}`],
  defaultViewport: { width: 1280, height: 800 },
});
const figures = {};
let page;
try {
  const context = browser.defaultBrowserContext();
  await context.overridePermissions(origin, ['clipboard-read', 'clipboard-write',
    'clipboard-sanitized-write']);
  page = await browser.newPage();
  const console_ = [];
  page.on('console', (message) => console_.push(`${message.type()}: ${message.text()}`));
  page.on('pageerror', (error) => console_.push(`page error: ${error.message}`));
  const cdp = await page.createCDPSession();
  await cdp.send('Emulation.setLocaleOverride', { locale: 'ru-RU' });
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });

  // --- the program as the page shows it -----------------------------------------------
  const probe = () => page.evaluate(() => {
    try {
      window.qtLoader.module().labsProbe();
      return JSON.parse(window.labsProbeState);
    } catch (error) {
      return { unreadable: String(error), status: window.qtLoader?.status };
    }
  });
  async function waitFor(what, test, timeout = 15000) {
    const end = Date.now() + timeout;
    let state;
    while (Date.now() < end) {
      state = await probe();
      if (state && !state.unreadable && test(state))
        return state;
      await sleep(50);
    }
    throw new Error(`timed out waiting for ${what}; the program shows ${JSON.stringify(state)}`);
  }
  const windowNamed = (state, name) => state.windows.find((w) => w.name === name);

  // Real key events, as a keyboard sends them (typed text through Input.insertText
  // would lose what the program filters by key).
  const press = (key, modifiers = []) => (async () => {
    for (const m of modifiers) await page.keyboard.down(m);
    await page.keyboard.press(key);
    for (const m of modifiers.slice().reverse()) await page.keyboard.up(m);
  })();
  async function typeText(text) {
    for (const ch of text) await page.keyboard.press(ch === '\t' ? 'Tab' : ch);
  }
  // Fills the fields in tab order from the first (whatever they held), as a student
  // retypes them; Enter in the last one runs the lab when `run` is set.
  async function fill(values, run = true) {
    // Tab goes round the window's controls to the first field.
    for (let i = 0; i < 12 && (await probe()).focus?.name !== 'edta0'; ++i)
      await press('Tab');
    for (const [i, value] of values.entries()) {
      if (i > 0) await press('Tab');
      // The keystroke filter lets no Ctrl+A through: the old text is selected with
      // Shift+End from the start, and deleted.
      await press('Home');
      await press('End', ['Shift']);
      await press('Backspace');
      await typeText(value);
    }
    if (run) await press('Enter');
  }

  // --- start-up -------------------------------------------------------------------------
  await page.goto(`${origin}/`);
  let state = await waitFor('the selector', (s) => s.selectorPainted > 0, 120000);
  figures.pageToSelectorMs = Math.round(state.selectorPainted);
  console.log(`the selector was painted ${figures.pageToSelectorMs} ms after the page was opened`);
  state = await waitFor('the selector active', (s) => windowNamed(s, 'frmMain')?.active, 5000);
  check(windowNamed(state, 'frmMain').title === 'Теория управления',
    'the selector is open and active');
  check(state.focus && state.focus.name === 'radLaguer', 'the first lab is focused');
  check(state.decimalSeparator === ',', 'the decimal separator is the Russian comma',
    state.decimalSeparator);
  await page.screenshot({ path: path.join(out, 'selector.png') });

  // The arrows move among the labs; Enter opens the focused one.
  await press('ArrowDown');
  state = await waitFor('the second lab focused', (s) => s.focus?.name === 'radGodograf');
  await press('ArrowUp');
  state = await waitFor('the first lab focused again', (s) => s.focus?.name === 'radLaguer');
  check(true, 'the arrow keys move among the labs');

  async function openLab(name, downs) {
    for (let i = 0; i < downs; ++i) await press('ArrowDown');
    await press('Enter');
    const opened = await waitFor(`the lab ${name}`,
      (s) => s.lab?.name === name && s.focus?.name === 'edta0');
    check(windowNamed(opened, 'frmMain')?.enabled === false,
      `${name}: the selector is disabled while the lab is open`);
    return opened;
  }
  async function closeLab(name) {
    await press('Escape');
    await waitFor(`${name} to close, the selector back and active`, (s) => !s.lab && !s.box &&
      windowNamed(s, 'frmMain')?.enabled && windowNamed(s, 'frmMain')?.active &&
      s.focus?.class === 'QRadioButton');
    check(true, `${name}: Esc closes the lab, the selector is back with its focus`);
  }
  // A box: its class or name, text and title; closed with the given key.
  async function expectBox(what, kind, text, key) {
    const shown = await waitFor(what, (s) => s.box);
    check((shown.box.name === kind || kind === 'QMessageBox' && shown.box.icon === 3) &&
      shown.box.text === text && shown.box.title === 'Labs',
      `${what}: «${text}»`, JSON.stringify(shown.box));
    await page.screenshot({ path: path.join(out, `${kind}-${checks}.png`) });
    await press(key);
    await waitFor(`${what} to close with ${key}, the focus back in the lab's field`,
      (s) => !s.box && s.lab && s.focus?.class === 'QLineEdit');
    check(true, `${what}: ${key} closes it, back in the lab's field`);
  }

  // --- the root lab ---------------------------------------------------------------------
  state = await openLab('frmLaguerre', 0);
  await press('Enter');
  await expectBox('an empty field', 'NoticeBox', 'Пожалуйста, введите коэффициенты.', 'Enter');
  // A full stop is read as the decimal separator; letters never reach a field.
  await typeText('1.5');
  const cdpKey = async (key, code, keyCode) => {
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyDown', key, code, text: key,
      unmodifiedText: key, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode });
    await cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', key, code,
      windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode });
  };
  await cdpKey('ф', 'KeyA', 65); // a Russian keyboard's letter
  state = await waitFor('the typed number', (s) => s.lab?.fields?.edta0 === '1,5');
  check(true, 'a full stop becomes the comma and a letter is refused');
  // (p - 1)(p - 2)(p - 3): a0 = -6, a1 = 11, a2 = -6, a3 = 1.
  await fill(['-6', '11', '-6', '1']);
  state = await waitFor('the root report', (s) => s.lab?.report?.length > 2);
  const roots = [];
  for (const k of [1, 2, 3])
    roots.push(`Корень: ${k}`, 'Значение: ', `${k},00 +0,00i`, '');
  check(JSON.stringify(state.lab.report) === JSON.stringify(['Результаты:', '', ...roots]),
    'the roots of (p - 1)(p - 2)(p - 3) are reported', JSON.stringify(state.lab.report));
  await page.screenshot({ path: path.join(out, 'roots.png') });
  await recordWindow('roots', 'frmLaguerre');
  // A text that is no number: the error box names it.
  await fill(['1-']);
  await expectBox('a text that is no number', 'QMessageBox',
    "'1-' is not a valid floating point value.", 'Escape');
  await closeLab('frmLaguerre');

  // --- the plotting labs and their pictures ----------------------------------------------
  // Compares the browser's picture of a chart with the Linux build's, both PNGs: every
  // pixel of the plotting rectangle but the captions lying on it (the curves, the axis
  // lines, the grid), and, for the record, every pixel of the chart. In the page's own
  // context: a second tab would put this one in the background, where the browser stops
  // drawing it.
  async function comparePictures(name, browserPng, linuxPng, chart) {
    return page.evaluate(async (a, b, plot, captions, w, h) => {
      const load = (data) => new Promise((resolve, reject) => {
        const image = new Image();
        image.onload = () => resolve(image);
        image.onerror = reject;
        image.src = `data:image/png;base64,${data}`;
      });
      const pixels = (image) => {
        const canvas = new OffscreenCanvas(w, h);
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        return context.getImageData(0, 0, w, h).data;
      };
      const [pa, pb] = [pixels(await load(a)), pixels(await load(b))];
      const inCaption = (x, y) => captions.some((c) => x >= c.x && x < c.x + c.w &&
        y >= c.y && y < c.y + c.h);
      const result = { plotDiffering: 0, plotPixels: 0, chartDiffering: 0, curvePixels: 0 };
      const diff = new OffscreenCanvas(w, h);
      const diffContext = diff.getContext('2d');
      const marks = diffContext.createImageData(w, h);
      for (let y = 0; y < h; ++y) {
        for (let x = 0; x < w; ++x) {
          const i = 4 * (y * w + x);
          const same = pa[i] === pb[i] && pa[i + 1] === pb[i + 1] && pa[i + 2] === pb[i + 2];
          const inPlot = x >= plot.x && x < plot.x + plot.w && y >= plot.y &&
            y < plot.y + plot.h && !inCaption(x, y);
          if (!same) ++result.chartDiffering;
          if (inPlot) {
            ++result.plotPixels;
            if (!same) ++result.plotDiffering;
            // The curves' own colours: the red response, the blue critical point.
            const red = pb[i] === 255 && pb[i + 1] === 0 && pb[i + 2] === 0;
            const blue = pb[i] === 0 && pb[i + 1] === 0 && pb[i + 2] === 255;
            if (red || blue) ++result.curvePixels;
          }
          marks.data[i] = same ? pb[i] / 3 + 170 : 255;
          marks.data[i + 1] = same ? pb[i + 1] / 3 + 170 : 0;
          marks.data[i + 2] = same ? pb[i + 2] / 3 + 170 : 255;
          marks.data[i + 3] = 255;
        }
      }
      diffContext.putImageData(marks, 0, 0);
      const blob = await diff.convertToBlob({ type: 'image/png' });
      const bytes = new Uint8Array(await blob.arrayBuffer());
      let binary = '';
      for (const byte of bytes) binary += String.fromCharCode(byte);
      result.diffPng = btoa(binary);
      return result;
    }, browserPng.toString('base64'), linuxPng.toString('base64'), chart.plot, chart.captions,
    chart.place.w, chart.place.h);
  }

  // Runs a worked example and compares its picture.
  async function checkPicture(name, shot, values) {
    const before = (await probe()).lab.chart.draws;
    await fill(values);
    // The picture is taken once the chart has drawn the run and nothing is over it.
    const drawn = await waitFor(`${name}'s chart drawn`,
      (s) => s.lab?.chart?.draws > before && !s.box);
    await sleep(300);
    const chart = (await probe()).lab.chart;
    const canvas = await page.$eval('#screen', (c) => {
      const r = c.getBoundingClientRect();
      return { x: r.x, y: r.y };
    });
    const browserPng = await page.screenshot({ clip: { x: canvas.x + chart.place.x,
      y: canvas.y + chart.place.y, width: chart.place.w, height: chart.place.h } });
    fs.writeFileSync(path.join(out, `${shot}-chart-browser.png`), browserPng);
    await page.screenshot({ path: path.join(out, `${shot}.png`) });
    // The Linux picture is the window's; the chart lies in its top-left corner.
    const linuxWindow = fs.readFileSync(path.join(linuxShots, `${shot}.png`));
    const linuxPng = await page.evaluate(async (data, w, h) => {
      const image = await new Promise((resolve, reject) => {
        const i = new Image();
        i.onload = () => resolve(i);
        i.onerror = reject;
        i.src = `data:image/png;base64,${data}`;
      });
      const canvas = new OffscreenCanvas(w, h);
      canvas.getContext('2d').drawImage(image, 0, 0);
      const bytes = new Uint8Array(await (await canvas.convertToBlob()).arrayBuffer());
      let binary = '';
      for (const byte of bytes) binary += String.fromCharCode(byte);
      return btoa(binary);
    }, linuxWindow.toString('base64'), chart.place.w, chart.place.h);
    fs.writeFileSync(path.join(out, `${shot}-chart-linux.png`), Buffer.from(linuxPng, 'base64'));
    const result = await comparePictures(shot, browserPng, Buffer.from(linuxPng, 'base64'),
      chart);
    fs.writeFileSync(path.join(out, `${shot}-chart-difference.png`),
      Buffer.from(result.diffPng, 'base64'));
    delete result.diffPng;
    figures[`${shot}Picture`] = result;
    check(result.curvePixels > 0 && result.plotDiffering === 0,
      `${shot}: the plotting rectangle (${result.plotPixels} pixels, ${result.curvePixels} of ` +
      `the curves' colours) is the Linux build's pixel for pixel`, JSON.stringify(result));
    console.log(`     (the whole chart, texts included: ${result.chartDiffering} pixels differ)`);
    await recordWindow(shot, name);
    return { drawn, chart, linuxPng: Buffer.from(linuxPng, 'base64') };
  }

  // The whole lab window against the Linux build's picture of it, for the record (a text
  // caret's blink may fall either way).
  async function recordWindow(shot, name) {
    const place = windowNamed(await probe(), name).place;
    const canvas = await page.$eval('#screen', (c) => {
      const r = c.getBoundingClientRect();
      return { x: r.x, y: r.y };
    });
    const png = await page.screenshot({ clip: { x: canvas.x + place.x, y: canvas.y + place.y,
      width: place.w, height: place.h } });
    const linux = fs.readFileSync(path.join(linuxShots, `${shot}.png`));
    const result = await comparePictures(shot, png, linux,
      { plot: { x: 0, y: 0, w: 0, h: 0 }, captions: [], place });
    figures[`${shot}WindowPixelsDiffering`] = result.chartDiffering;
    console.log(`     (the whole window against Linux's: ${result.chartDiffering} pixels differ)`);
  }

  // A picture the program handed out (copied or saved) against the Linux build's chart.
  async function checkExported(what, png, reference) {
    fs.writeFileSync(path.join(out, `${what.replaceAll(' ', '-')}.png`), png);
    const result = await comparePictures(what, png, reference.linuxPng, reference.chart);
    delete result.diffPng;
    check(result.chartDiffering === 0, `${what}: the Linux build's picture pixel for pixel`,
      JSON.stringify(result));
  }
  const downloaded = async (name) => {
    const file = path.join(downloads, name);
    for (let i = 0; i < 100 && !fs.existsSync(file); ++i) await sleep(100);
    check(fs.existsSync(file), `${name} is downloaded`);
    await sleep(200); // written whole
    return fs.readFileSync(file);
  };
  // Ctrl+S, the type chosen in the download window (0: PNG, 1: SVG, 2: PDF), Enter.
  async function savePicture(type) {
    await press('KeyS', ['Control']);
    await waitFor('the save window', (s) => s.box?.name === 'SaveFileDialog');
    await press('Tab');
    for (let i = 0; i < type; ++i) await press('ArrowDown');
    await press('Enter');
    await waitFor('the save window to close, back in the lab', (s) => !s.box &&
      s.focus?.class === 'QLineEdit');
  }

  // The Mikhailov hodograph: 1, 3, 3, 1; a system on the stability boundary first.
  state = await openLab('frmGodograf', 1);
  await fill(['1', '1', '1', '1']);
  await expectBox('a system on the stability boundary', 'NoticeBox',
    'Система находится на границе устойчивости! Построение графика невозможно.', 'Escape');
  await checkPicture('frmGodograf', 'hodograph', ['1', '3', '3', '1']);
  await closeLab('frmGodograf');

  // The Nyquist diagram: 1, 3, 3, 1 over 0, 0, 1.
  state = await openLab('frmAFCHX', 1);
  const nyquist = await checkPicture('frmAFCHX', 'nyquist', ['1', '3', '3', '1', '0', '0', '1']);
  // The picture copied (Ctrl+Shift+C) and saved as PNG, SVG and PDF downloads (Ctrl+S).
  await press('KeyC', ['Control', 'Shift']);
  let copiedPicture = null;
  for (let i = 0; i < 100 && !copiedPicture; ++i) {
    await sleep(50);
    copiedPicture = await page.evaluate(async () => {
      for (const item of await navigator.clipboard.read()) {
        if (!item.types.includes('image/png'))
          continue;
        const bytes = new Uint8Array(await (await item.getType('image/png')).arrayBuffer());
        let binary = '';
        for (const byte of bytes) binary += String.fromCharCode(byte);
        return btoa(binary);
      }
      return null;
    });
  }
  check(copiedPicture, 'Ctrl+Shift+C puts the picture on the clipboard');
  await checkExported('the copied picture', Buffer.from(copiedPicture, 'base64'), nyquist);
  await savePicture(0);
  await checkExported('the saved PNG', await downloaded('АФЧХ.png'), nyquist);
  await savePicture(1);
  const svg = (await downloaded('АФЧХ.svg')).toString('utf8');
  check(svg.includes('<svg') && svg.includes('Liberation Sans'),
    'the saved SVG is a drawing whose texts name the font they were drawn with');
  await savePicture(2);
  check((await downloaded('АФЧХ.pdf')).subarray(0, 5).toString() === '%PDF-',
    'the saved PDF is one');

  // The mouse: the context menu on a right click without motion, closed by Esc; a zoom
  // by a drag to the right and down, undone by a drag up and to the left.
  const place = nyquist.chart.place;
  const plot = nyquist.chart.plot;
  const at = (dx, dy) => [place.x + plot.x + dx, place.y + plot.y + dy];
  await page.mouse.click(...at(100, 100), { button: 'right' });
  state = await waitFor('the context menu', (s) => s.windows.some((w) => w.class === 'QMenu'));
  await press('Escape');
  await waitFor('the context menu to close', (s) => !s.windows.some((w) => w.class === 'QMenu'));
  check(true, 'a right click opens the chart\'s menu, Esc closes it');
  const ranges = (await probe()).lab.chart.ranges;
  const drag = async (from, to) => {
    await page.mouse.move(...from);
    await page.mouse.down();
    for (let k = 1; k <= 5; ++k)
      await page.mouse.move(from[0] + (to[0] - from[0]) * k / 5, from[1] + (to[1] - from[1]) * k / 5);
    await page.mouse.up();
  };
  await drag(at(60, 60), at(220, 200));
  state = await waitFor('the zoom', (s) => JSON.stringify(s.lab.chart.ranges) !==
    JSON.stringify(ranges));
  const zoomed = state.lab.chart.ranges;
  check(zoomed[0] > ranges[0] && zoomed[1] < ranges[1] && zoomed[2] > ranges[2] &&
    zoomed[3] < ranges[3], 'a drag to the right and down zooms into its rectangle',
    JSON.stringify([ranges, zoomed]));
  await drag(at(220, 200), at(60, 60));
  state = await waitFor('the zoom undone', (s) => JSON.stringify(s.lab.chart.ranges) ===
    JSON.stringify(ranges));
  check(true, 'a drag up and to the left undoes the zoom');
  await page.mouse.move(5, 5);
  // Enter to the picture, on the page's clock: from the key press as the program received
  // it to the end of the chart's painting; of that, the run (until the program is free
  // again) and the drawing. Nine runs, the medians.
  const runs = [];
  for (let run = 0; run < 9; ++run) {
    const before = (await probe()).chartPaints;
    await press('Enter');
    const p = await waitFor('the picture again', (s) => s.chartPaints > before &&
      s.enterHandled > s.enterPressed);
    runs.push({ total: p.chartPainted - p.enterPressed, run: p.enterHandled - p.enterPressed,
      drawing: p.chartPainted - p.chartPaintStarted });
    await sleep(200);
  }
  const median = (key) => {
    const values = runs.map((r) => r[key]).sort((a, b) => a - b);
    return Math.round(values[4] * 10) / 10;
  };
  figures.nyquistEnterToPictureMs = median('total');
  figures.nyquistRunMs = median('run');
  figures.nyquistDrawingMs = median('drawing');
  console.log(`     Enter to the Nyquist picture: ${runs.map((r) => r.total.toFixed(1)).join(', ')} ms` +
    ` (medians: the run ${figures.nyquistRunMs} ms, the drawing ${figures.nyquistDrawingMs} ms)`);

  // The readout under the pointer at ω = 1, where W(j) = 1 / (1 + j)³ = -0,25 - j0,25
  // (|W| = √2 / 4, arg W = -135°) is drawn: chart pixel (205, 209), as on Linux
  // (scripts/screenshots.sh), the pictures being the same.
  const chart = (await probe()).lab.chart;
  const px = chart.place.x + 205;
  const py = chart.place.y + 209;
  await page.mouse.move(px + 3, py);
  await sleep(100);
  await page.mouse.move(px + 1, py);
  state = await waitFor('the readout', (s) => s.tooltip);
  check(state.tooltip.includes('R = Re W(jω) = -0,25') && state.tooltip.includes('I = Im W(jω) = -0,25') &&
    state.tooltip.includes('|W| = 0,353553') && state.tooltip.includes('arg W = -135°'),
    'the readout under the pointer shows W(j1) with the comma', JSON.stringify(state.tooltip));
  await page.screenshot({ path: path.join(out, 'readout.png') });
  await page.mouse.move(5, 5);

  // The points to the clipboard (Ctrl+Shift+T), then saved as a download (Ctrl+Shift+S).
  await page.evaluate(() => navigator.clipboard.writeText(''));
  await press('KeyT', ['Control', 'Shift']);
  let copied = '';
  for (let i = 0; i < 100 && !copied; ++i) {
    await sleep(50);
    copied = await page.evaluate(() => navigator.clipboard.readText());
  }
  const lines = copied.split('\n').filter((line) => line);
  check(lines.length === 5001 && lines[0] === 'ω\tR\tI' && lines[1] === '0\t1\t0',
    'the points are copied: a header and 5000 samples, W(j0) = 1 first',
    `${lines.length} lines, ${lines.slice(0, 2)}`);
  await press('KeyS', ['Control', 'Shift']);
  state = await waitFor('the save window', (s) => s.box?.name === 'SaveFileDialog');
  check(state.box.title === 'Сохранить точки', 'Ctrl+Shift+S asks for the file\'s name');
  await page.screenshot({ path: path.join(out, 'save-points.png') });
  await press('Enter');
  await waitFor('the save window to close, back in the lab', (s) => !s.box &&
    windowNamed(s, 'frmAFCHX')?.active && s.focus?.class === 'QLineEdit');
  const csv = path.join(downloads, 'АФЧХ.csv');
  for (let i = 0; i < 100 && !fs.existsSync(csv); ++i) await sleep(100);
  check(fs.existsSync(csv), 'the points are downloaded as АФЧХ.csv');
  const saved = fs.readFileSync(csv, 'utf8');
  check(saved === `${copied.replaceAll('\t', ';')}`,
    'the download holds the copied points with the Russian field separator');

  // The analysis (Ctrl+Shift+A) of the last run: the Linux build's text, digit for digit.
  // A range typed in its field runs the lab over it; the lab's own range brings the
  // picture back; Esc closes it, back in the lab.
  const linuxAnalysis = fs.readFileSync(path.join(linuxShots, 'nyquist-analysis.txt'), 'utf8');
  await press('KeyA', ['Control', 'Shift']);
  state = await waitFor('the analysis window', (s) => s.analysis?.active);
  check(state.analysis.text === linuxAnalysis,
    'Ctrl+Shift+A shows the analysis, the Linux build\'s text digit for digit',
    JSON.stringify(state.analysis.text));
  await page.screenshot({ path: path.join(out, 'analysis.png') });
  const defaultRanges = state.lab.chart.ranges;
  const typeRange = async (value) => {
    for (let i = 0; i < 12 && (await probe()).focus?.name !== 'edtUpperFrequency'; ++i)
      await press('Tab');
    await press('Home');
    await press('End', ['Shift']);
    await press('Backspace');
    await typeText(value);
    await press('Enter');
  };
  await typeRange('20');
  state = await waitFor('the run over 0..20', (s) =>
    s.analysis?.text.includes('Частоты на графике: от 0 до 20\n') &&
    JSON.stringify(s.lab.chart.ranges) !== JSON.stringify(defaultRanges));
  check(true, 'a range typed in the analysis runs the lab over it');
  await typeRange('10');
  state = await waitFor('the lab\'s own range again', (s) =>
    s.analysis?.text === linuxAnalysis &&
    JSON.stringify(s.lab.chart.ranges) === JSON.stringify(defaultRanges));
  check(true, 'the lab\'s own range gives the first picture and analysis again');
  await press('Escape');
  state = await waitFor('the analysis to close, back in the lab', (s) => !s.analysis &&
    windowNamed(s, 'frmAFCHX')?.active && s.focus?.class === 'QLineEdit');
  check(true, 'Esc closes the analysis, back in the lab');

  // Faults of the arithmetic, from the software extended type's own flags: 0/0 when the
  // denominator is zero for every frequency; a division by zero when it is a subnormal
  // a3 = 1e-320, whose square is stored as zero.
  await fill(['0', '0', '0', '0', '0', '0', '1']);
  await expectBox('a zero denominator', 'QMessageBox', 'Invalid floating point operation.',
    'Enter');
  await fill(['0', '0', '0', `0,${'0'.repeat(319)}1`, '0', '0', '1']);
  await expectBox('a vanishing denominator', 'QMessageBox', 'Floating point division by zero.',
    'Enter');
  await closeLab('frmAFCHX');

  // The D-partition: 1, 3, 3, 0.
  state = await openLab('frmDRazb', 1);
  await checkPicture('frmDRazb', 'dpartition', ['1', '3', '3', '0']);
  await closeLab('frmDRazb');

  // Esc on the selector ends the program, as on the desktop.
  await press('Escape');
  state = await waitFor('the selector to close', (s) => s.windows.length === 0);
  await sleep(500);
  const ending = await page.evaluate(() => ({ crashed: window.qtLoader.crashed,
    text: String(window.qtLoader.exitText), shown: document.getElementById('status').textContent }));
  check(!ending.crashed && ending.shown.startsWith('Программа завершена.'),
    'Esc on the selector ends the program, without an error, and the page says so',
    JSON.stringify(ending));
  await page.screenshot({ path: path.join(out, 'ended.png') });

  const errors = console_.filter((line) => line.startsWith('page error') ||
    line.startsWith('error'));
  check(errors.length === 0, 'no error on the page\'s console', errors.join('\n'));
  fs.writeFileSync(path.join(out, 'console.txt'), `${console_.join('\n')}\n`);
  fs.writeFileSync(path.join(out, 'figures.json'), `${JSON.stringify(figures, null, 2)}\n`);
  console.log(`browser test: ${checks} checks passed; pictures and figures in ${out}`);
} catch (error) {
  console.error(`browser test: ${error.message}`);
  if (page) await page.screenshot({ path: path.join(out, 'failure.png') }).catch(() => {});
  process.exitCode = 1;
} finally {
  await browser.close();
  server.close();
  fs.rmSync(profile, { recursive: true, force: true });
  fs.rmSync(downloads, { recursive: true, force: true });
}
