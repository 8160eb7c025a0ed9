// tst_wasm: the web pages' WebAssembly module, run by node through the site's
// own sorvani.js, against the native build over the same random input: the
// resolver view (boxes, status, results, figure, working, copied text) of
// 100,000 triangles, and 100,000 worksheet rows answered by sorvani-calc
// --lote (CSV, answer key, problem sheet, Moodle XML, GIFT, messages, exit
// status). Every output must be the same, byte for byte. Then fresh sheets
// against `sorvani-calc generar` (sheet, answer key, problem sheet, Moodle
// XML, GIFT; a wrong use's message), and the practice page's calls (view,
// store, set-aside store, address) over random sessions: answers right, at
// the tolerance's edges, known mistakes, hostile text, links of every kind
// and broken stores. What the view says against what `sorvani-calc resolver`
// prints, tst_web checks in the browser for every row of GeneralCases.h.
//   node wasm_differential.mjs SITE WASM_NATIVE SORVANI_CALC
import { spawn, spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createInterface } from 'node:readline';
import { pathToFileURL } from 'node:url';

const SKIP = 77;
const [site, native, calc] = process.argv.slice(2);
if (!existsSync(join(site, 'sorvani.wasm'))) {
  console.log(`${site}/sorvani.wasm is not built (scripts/web.sh --build): the WebAssembly module is not tested`);
  process.exit(SKIP);
}
const sorvani = await import(pathToFileURL(join(site, 'sorvani.js')).href);
await sorvani.load();

// The module asks for no more than the shim of sorvani.js gives, and the
// shim's fd_write takes every byte it is handed, as a stream to nowhere.
{
  const imports = WebAssembly.Module.imports(new WebAssembly.Module(readFileSync(join(site, 'sorvani.wasm'))));
  const given = sorvani.wasiImports(() => null).wasi_snapshot_preview1;
  const missing = imports.filter((i) => i.module !== 'wasi_snapshot_preview1' || !(i.name in given));
  if (missing.length) fail('imports', 'the shim', missing.map((i) => `${i.module}.${i.name}`).join(' '));
  const memory = new WebAssembly.Memory({ initial: 1 });
  const words = new Uint32Array(memory.buffer);
  words.set([64, 5, 96, 7], 0); // two buffers of 5 and 7 bytes at 0
  const shim = sorvani.wasiImports(() => memory).wasi_snapshot_preview1;
  if (shim.fd_write(2, 0, 2, 200) !== 0 || words[50] !== 12) fail('fd_write', '12 bytes written', String(words[50]));
}

// A fixed sequence, the same on every run.
let seed = 20261208;
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
  t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const below = (n) => Math.floor(random() * n);
const pick = (list) => list[below(list.length)];

const kJunk = ['', ' ', '12cm', '<img src=x onerror=alert(1)>', '1e400', '-3', '0', 'nan', 'inf', '1,5,5',
  '3..5', '45°30′', '90°x', '1e-320', '0x10', '١٢', '\u00a0', '１２'];

// A number as a student might type it: a few decimals, a comma, an exponent.
function numberText(x, comma) {
  let text = below(5) === 0 ? x.toExponential(below(8)) : x.toFixed(below(7));
  if (comma && below(2)) text = text.replace('.', ',');
  return text;
}

function angleText(x, comma) {
  if (below(3) > 0) return numberText(x, comma);
  const d = Math.floor(x), m = Math.floor((x - d) * 60), s = ((x - d) * 60 - m) * 60;
  const seconds = s.toFixed(below(3));
  return pick([`${d}°${m}′${seconds}″`, `${d}:${m}:${seconds}`, `${d} ${m} ${seconds}`, `${d}°${m}'`,
    `${d}º ${m}' ${seconds}''`]);
}

// Six parts of a random triangle, three (now and then two or four) of them
// given, some typed badly.
function randomParts(comma = true) {
  const A = 1 + random() * 170, B = random() * (179 - A) + 0.5, C = 180 - A - B;
  const scale = 10 ** (random() * 8 - 3);
  const sin = (deg) => Math.sin((deg * Math.PI) / 180);
  const parts = [sin(A) * scale, sin(B) * scale, sin(C) * scale, A, B, C];
  const order = [0, 1, 2, 3, 4, 5].sort(() => random() - 0.5);
  const count = pick([3, 3, 3, 3, 3, 3, 3, 2, 4]);
  const given = new Set(order.slice(0, count));
  return parts.map((x, i) => {
    if (!given.has(i)) return '';
    if (below(40) === 0) return pick(kJunk);
    return i < 3 ? numberText(x, comma) : angleText(x, comma);
  });
}

function fail(what, expected, actual) {
  const a = Buffer.from(expected), b = Buffer.from(actual);
  let at = 0;
  while (at < a.length && a[at] === b[at]) at++;
  console.log(`FAIL ${what}: the native build and the module part at byte ${at}`);
  console.log(`  native: ${JSON.stringify(a.subarray(Math.max(0, at - 60), at + 60).toString())}`);
  console.log(`  module: ${JSON.stringify(b.subarray(Math.max(0, at - 60), at + 60).toString())}`);
  process.exit(1);
}

async function views(count) {
  const requests = Array.from({ length: count }, () => ({
    partes: randomParts(),
    decimales: below(11),
    grados: below(2) ? 'dms' : 'decimal',
    solucion: below(2),
  }));
  const child = spawn(native, [], { stdio: ['pipe', 'pipe', 'inherit'] });
  const input = requests.map((r) => [r.decimales, r.grados === 'decimal' ? 1 : 0, r.solucion, ...r.partes]
    .join('\x1f')).join('\n') + '\n';
  child.stdin.end(input);
  let index = 0, two = 0, solved = 0;
  for await (const line of createInterface({ input: child.stdout, crlfDelay: Infinity })) {
    const view = sorvani.resolver(requests[index]);
    // The module's JSON is parsed by sorvani.js; written again with the same
    // keys in the same order it is the native line itself.
    const actual = JSON.stringify(view);
    if (actual !== line) fail(`view ${index} ${JSON.stringify(requests[index])}`, line, actual);
    solved += view.resuelto;
    two += view.soluciones === 2;
    index++;
  }
  if (index !== count) fail('views', `${count} views`, `${index} views`);
  return { solved, two };
}

// A worksheet row of any kind: resolver rows, the windows' three cases,
// comments, blank and bad rows, quoting, the odd unreadable byte.
function worksheetRow(separator) {
  const comma = separator === ';';
  const field = (text) => (text.includes(separator) || text.includes('"') || below(20) === 0
    ? `"${text.replaceAll('"', '""')}"` : text);
  const value = (x) => numberText(x, comma);
  switch (below(10)) {
    case 0: {
      const a = value(1 + random() * 20), b = value(1 + random() * 20), c = value(1 + random() * 20);
      return ['tres-lados', a, b, c].map(field).join(separator);
    }
    case 1:
      return ['dos-angulos', below(90), below(60), below(60), below(90), below(60), below(60), value(random() * 50)]
        .map(String).map(field).join(separator);
    case 2:
      return ['dos-lados', below(180), below(60), below(60), value(random() * 50), value(random() * 50)]
        .map(String).map(field).join(separator);
    case 3:
      // \u0001 stands for a byte that is not UTF-8.
      return pick(['', '# un comentario', `resolver${separator}a=3`, 'desconocido;1;2', '"sin cerrar;3',
        `resolver${separator}a=3${separator}a=4${separator}C=90`, 'tres-lados;\u0001;4;5', 'tres-lados;3\u0000;4;5',
        `resolver${separator}x=1${separator}b=2${separator}c=3`]);
    default: {
      const parts = randomParts(comma);
      const named = parts.map((text, i) => (text === '' ? null : `${'abcABC'[i]}=${text}`)).filter(Boolean);
      return ['resolver', ...named].map(field).join(separator);
    }
  }
}

function sheets(count, rows, withKey, dir) {
  let answered = 0;
  for (let n = 0; n < count; n++) {
    const separator = below(2) ? ';' : ',';
    const decimals = below(11);
    const title = below(2) ? '' : pick(['Tarea 3 <b>&</b>', 'Repaso: triángulos', 'Ñandú "2"']);
    const lines = Array.from({ length: rows }, () => worksheetRow(separator));
    const bytes = Buffer.from(lines.join(below(2) ? '\n' : '\r\n') + '\n').map((b) => (b === 1 ? 0xff : b));
    const sheet = join(dir, 'hoja.csv');
    writeFileSync(sheet, bytes);
    const options = ['--separador', separator, '--decimales', String(decimals)];
    const got = sorvani.worksheet(new Uint8Array(bytes),
      { separador: separator, decimales: decimals, titulo: title, moodle: withKey });
    const what = `worksheet ${n} (${separator}, ${decimals} decimals, title ${JSON.stringify(title)})`;

    // The module's messages are those of the run with every file; the CSV
    // alone names no row left out of the Moodle files.
    const messages = Buffer.from(got.problemas);
    const csv = spawnSync(calc, [...options, '--lote', sheet], { maxBuffer: 1 << 30 });
    if (!csv.stdout.equals(Buffer.from(got.csv))) fail(`${what}: CSV`, csv.stdout, got.csv);
    const alone = got.problemas.split('\n').filter((line) => !line.includes(': no va en las preguntas de Moodle: '));
    if (csv.stderr.toString() !== alone.join('\n')) fail(`${what}: messages`, csv.stderr, alone.join('\n'));
    if (csv.status !== got.salida) fail(`${what}: exit status`, String(csv.status), String(got.salida));
    if (withKey) {
      const key = join(dir, 'solucionario.html'), problems = join(dir, 'enunciado.html');
      const moodle = join(dir, 'moodle.xml'), gift = join(dir, 'gift.txt');
      const titled = title ? ['--titulo', title] : [];
      const run = spawnSync(calc, [...options, ...titled, '--lote', sheet, '--informe', key, '--enunciado',
        problems, '--moodle', moodle, '--gift', gift]);
      const same = (path, bytes, name) => {
        if (!readFileSync(path).equals(Buffer.from(bytes))) fail(`${what}: ${name}`, readFileSync(path), bytes);
      };
      same(key, got.solucionario, 'answer key');
      same(problems, got.enunciado, 'problem sheet');
      same(moodle, got.moodle, 'Moodle XML');
      same(gift, got.gift, 'GIFT');
      if (!run.stderr.equals(messages)) fail(`${what}: messages with the files`, run.stderr, messages);
      if (run.status !== got.salida) fail(`${what}: exit status with the files`, String(run.status), String(got.salida));
    }
    answered += got.resumen.respondidas;
  }
  return answered;
}

// generar: the three files of each option set, and the first line of a wrong
// use's message (the module leaves the usage out), with its exit status.
function generated(dir) {
  const sets = [
    { cantidad: 30, semilla: '18446744073709551615', casos: ['LLA'], separador: ',', decimales: 7, titulo: 'Ñandú <b>&</b>' },
    { cantidad: 7, semilla: '0', casos: ['lla', 'LAL', 'LLA'], versiones: 3, decimales: 0, titulo: 'Examen' },
    { cantidad: 40, semilla: '4170', versiones: 26, separador: ',' },
    { cantidad: 6000, semilla: '5', casos: ['LLL'] },
    { cantidad: 10001, semilla: '1' },
    { cantidad: 5, semilla: '-1' },
    { cantidad: 5, semilla: '1', casos: ['LLL', 'AAA'] },
    { cantidad: 5, semilla: '1', versiones: 0 },
  ];
  let made = 0;
  for (const options of sets) {
    const got = sorvani.generate({ ...options, moodle: true });
    const what = `generar ${JSON.stringify(options)}`;
    const files = ['solucionario.html', 'enunciado.html', 'moodle.xml', 'gift.txt'].map((name) => join(dir, name));
    for (const file of files) rmSync(file, { force: true });
    const args = ['--semilla', options.semilla, '--casos', (options.casos ?? ['LLL', 'LAL', 'ALA', 'LAA', 'LLA']).join(','),
      '--versiones', String(options.versiones ?? 1), '--separador', options.separador ?? ';',
      '--decimales', String(options.decimales ?? 4), ...(options.titulo ? ['--titulo', options.titulo] : []),
      '--informe', files[0], '--enunciado', files[1], '--moodle', files[2], '--gift', files[3],
      'generar', String(options.cantidad)];
    const run = spawnSync(calc, args, { maxBuffer: 1 << 30 });
    if (run.status !== got.salida) fail(`${what}: exit status`, String(run.status), String(got.salida));
    if (!run.stdout.equals(Buffer.from(got.hoja))) fail(`${what}: sheet`, run.stdout, got.hoja);
    const outputs = [got.solucionario, got.enunciado, got.moodle, got.gift];
    if (run.status === 0) {
      files.forEach((file, i) => {
        if (!readFileSync(file).equals(Buffer.from(outputs[i]))) fail(`${what}: ${file}`, readFileSync(file), outputs[i]);
      });
      made++;
    } else {
      const line = run.stderr.toString().split('\n')[0] + '\n';
      if (line !== got.problemas || outputs.some((output) => output.length)) fail(`${what}: wrong use`, line, got.problemas);
    }
  }
  if (made !== 3) fail('generar', '3 sheets made', `${made} sheets made`);
  return made;
}


// The exact values of a practice problem's parts, from the resolver view of
// its data: { 'Lado b': [first, second], 'Área': [...] }, none without a triangle.
const NAMES = ['Lado a', 'Lado b', 'Lado c', 'Ángulo A', 'Ángulo B', 'Ángulo C'];
function exactValues(data) {
  const partes = ['', '', '', '', '', ''];
  for (const [letter, value] of data.map((datum) => datum.split(' = '))) partes['abcABC'.indexOf(letter)] = value.replace('°', '');
  const values = {};
  for (const solucion of [0, 1]) {
    const view = sorvani.resolver({ partes, decimales: 10, grados: 'decimal', solucion });
    if (!view.resuelto) break;
    view.cajas.forEach(({ texto }, i) => (values[NAMES[i]] ??= []).push(parseFloat(texto)));
    (values['Área'] ??= []).push(parseFloat(view.resultados.area));
  }
  return values;
}

// An answer as a student might type it: right (for the triangle `which`, of
// two), at either side of the tolerance's edge, a known mistake, or junk.
function answerText(box, values, decimals, which, exact = false) {
  const both = values[box.nombre.replace(' (2)', '')], x = both?.at(which);
  if (x === undefined || (!exact && below(8) === 0)) return pick([...kJunk, 'x'.repeat(300), '1'.repeat(199) + 'ñ']);
  const tolerance = Math.max(10 ** -decimals, 0.001 * Math.abs(x));
  const value = exact ? x : pick([x, x + 0.999 * tolerance, x - 0.999 * tolerance, x + 1.001 * tolerance,
    x - 1.001 * tolerance, (x * Math.PI) / 180, 180 - x, both.at(-1 - which), x * 1.5]);
  return box.angulo ? angleText(value, true) : numberText(value, true);
}

// A store a user or another version might leave: cut short, a value changed, or no practice at all.
const HOSTILE = '<img src=x onerror=alert(1)>';
const brokenStore = (store) => pick([store.slice(0, below(store.length)), store.replace('sorvani-practica 1', 'sorvani-practica 2'),
  store.replace(/"(actual|racha|intentos|pistas|cuantos|n)":\d+/, (_, key) => `"${key}":${pick(['-1', '999', '1.5', '"2"', 'null'])}`),
  store.replace(/"respuestas":\["/, `"respuestas":["${'9'.repeat(201)}`), store.replace(/problemas=\d+/, 'problemas=007'),
  '{', '[]', 'null', '{"formato":"sorvani-practica 1","practicas":{}}', '['.repeat(20000), '['.repeat(30) + ']'.repeat(30), HOSTILE]);
const addresses = () => [
  '', `semilla=${below(1e6)}&casos=${['LLL', 'LAL', 'ALA', 'LAA', 'LLA'].filter(() => below(2)).join(',') || 'LLA'}&problemas=${1 + below(12)}&decimales=${below(5)}`,
  `#semilla=${below(100)}`, 'casos=LLL%2CLLA&problemas=3', 'semilla=1%32&problemas=2&decimales=0', 'foo=1&bar',
  `semilla=${HOSTILE}&casos=AAA&problemas=0&decimales=9`, 'semilla=18446744073709551615&casos=lla,LLA&problemas=100',
  `semilla=${below(50)}&casos=LLA&problemas=4&decimales=${below(5)}`];

// Random sessions through the module, each call kept as the native build's
// script takes it, then played there and compared output by output.
function practices(sessions) {
  const script = [], got = [];
  let out, store = '', right = 0, setAside = 0, summaries = 0;
  const call = (kind, numbers, texts, f) => {
    out = f();
    const bytes = texts.map((t) => Buffer.from(String(t)));
    script.push(Buffer.from(`${kind} ${[...numbers, ...bytes.map((b) => b.length)].join(' ')}\n`), ...bytes);
    got.push({ what: `${kind} ${numbers} ${JSON.stringify(texts).slice(0, 200)}`, result: out.empezada === undefined ? 0 : +out.empezada,
      outputs: [JSON.stringify(out.vista), out.almacen, out.apartado, out.direccion] });
  };
  for (let n = 0; n < sessions; n++) {
    const opened = [below(5) === 0 ? brokenStore(store) : below(8) === 0 ? '' : store, pick(addresses()),
      pick(['https://example.org/practica.html', `http://x/${HOSTILE}`, '']), pick([String(below(1e9)), '18446744073709551615', '', '-3'])];
    call('open', [], opened, () => sorvani.practiceOpen({ almacen: opened[0], direccion: opened[1], enlace: opened[2], semilla: opened[3] }));
    setAside += out.apartado !== '';
    let values = {}, problem = -1;
    for (let e = 0; e < 40; e++) {
      const view = out.vista;
      if (view.numero !== problem) [problem, values] = [view.numero, view.resumen ? {} : exactValues(view.datos)];
      const decimals = Number(view.opciones.decimales), count = values['Área']?.length ?? 0;
      const action = view.resumen ? pick([0, 2, 5, 6]) : pick([0, 0, 0, 0, 0, 1, 2, 2, 3, 4, 5, 5, 6, 7, 7]);
      if (action === 6) {
        const choices = { casos: [0, 1, 2, 3, 4].map(() => below(3) > 0), problemas: pick(['3', '1', '0', '101', ' 7 ', 'x']),
          decimales: pick(['0', '2', '4', '5', '-1']), semilla: pick(['', '2026', '-1', HOSTILE, '18446744073709551616']) };
        const drawn = String(below(1e9));
        call('start', [choices.casos.reduce((mask, on, i) => mask | (on << i), 0)],
          [choices.problemas, choices.decimales, choices.semilla, drawn], () => sorvani.practiceStart(choices, drawn));
      } else if (action === 7) {
        // All right: the count, then every box, two triangles now and then in the other order.
        const swap = count === 2 && below(2);
        const events = [[1, count, ''], ...view.casillas.map((box, i) => [0, i, values[box.nombre.replace(' (2)', '')]
          ? answerText(box, values, decimals, (i >= 4) !== swap ? -1 : 0, true) : '']), [2, 0, '']];
        for (const [a, b, t] of events) call('event', [a, b], [t], () => sorvani.practiceEvent(a, b, t));
        right += out.vista.correccion.startsWith('Todo correcto');
      } else {
        const shown = view.casillas.flatMap((box, i) => (box.visible ? [i] : []));
        const box = action === 0 ? (below(12) === 0 ? pick([-1, 8]) : pick(shown.length ? shown : [0]))
          : pick([0, 1, 2, count, -1, 3]);
        const text = action === 0 && view.casillas[box] && !view.resumen
          ? answerText(view.casillas[box], values, decimals, box >= 4 ? -1 : 0) : action === 0 ? '5' : '';
        call('event', [action, box], [text], () => sorvani.practiceEvent(action, box, text));
      }
      summaries += out.vista.resumen && !view.resumen;
    }
    store = out.almacen;
  }
  const run = spawnSync(native, ['practice'], { input: Buffer.concat(script), maxBuffer: 1 << 30 });
  let at = 0;
  for (const [index, { what, result, outputs }] of got.entries()) {
    const end = run.stdout.indexOf(10, at);
    const [status, ...sizes] = run.stdout.subarray(at, end).toString().split(' ').map(Number);
    at = end + 1;
    if (status !== result) fail(`practice call ${index} (${what}): result`, String(status), String(result));
    ['view', 'store', 'set-aside store', 'address'].forEach((name, i) => {
      const text = run.stdout.subarray(at, (at += sizes[i])).toString();
      if (text !== outputs[i]) fail(`practice call ${index} (${what}): ${name}`, text, outputs[i]);
    });
  }
  if (run.status !== 0 || at !== run.stdout.length) fail('practice', `${got.length} calls played`, run.stderr.toString());
  return { calls: got.length, right, setAside, summaries };
}

const started = Date.now();
const { solved, two } = await views(100000);
const dir = mkdtempSync(join(tmpdir(), 'tst_wasm-'));
try {
  // Answer keys, problem sheets and Moodle files hold a figure per row: fewer rows there.
  const answered = sheets(10, 9000, false, dir) + sheets(20, 500, true, dir);
  const made = generated(dir);
  const p = practices(100);
  // Sessions that never mark all right, set a store aside or reach a summary test too little.
  if (!p.right || !p.setAside || !p.summaries) fail('practice sessions', 'each kind', JSON.stringify(p));
  console.log(`PASS: 100000 views (${solved} solved, ${two} with two triangles) and 100000 worksheet rows ` +
    `(${answered} answered) and ${made} generated sheets alike, and ${p.calls} practice calls (${p.right} checks ` +
    `all right, ${p.setAside} stores set aside, ${p.summaries} summaries), in ` +
    `${((Date.now() - started) / 1000).toFixed(1)} s`);
} finally {
  rmSync(dir, { recursive: true, force: true });
}
