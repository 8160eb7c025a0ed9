// The page's way into sorvani.wasm: the C++ of the desktop program and of
// sorvani-calc, compiled to WebAssembly. Every number, text, figure and page
// comes from there; this module only moves bytes and parses the JSON the
// C++ writes.

const encoder = new TextEncoder();
const decoder = new TextDecoder();

let exports = null;
let loading = null;

// The only WASI calls the module makes, from the C library's standard
// streams: nothing is ever written anywhere and nothing is closed or sought.
const ESPIPE = 70;
export function wasiImports(memory) {
  return {
    wasi_snapshot_preview1: {
      fd_write(fd, iovs, count, written) {
        const view = new DataView(memory().buffer);
        let total = 0;
        for (let i = 0; i < count; i++) total += view.getUint32(iovs + 8 * i + 4, true);
        view.setUint32(written, total, true);
        return 0;
      },
      fd_seek() { return ESPIPE; },
      fd_close() { return 0; },
    },
  };
}

async function instantiate(url, imports) {
  if (url.protocol === 'file:') { // node, for the tests
    const { readFile } = await import('node:fs/promises');
    return WebAssembly.instantiate(await readFile(url), imports);
  }
  if (WebAssembly.instantiateStreaming) {
    try {
      return await WebAssembly.instantiateStreaming(fetch(url), imports);
    } catch (error) {
      // A server that does not say application/wasm: read it whole instead.
      if (!(error instanceof TypeError)) throw error;
    }
  }
  const response = await fetch(url);
  return WebAssembly.instantiate(await response.arrayBuffer(), imports);
}

export function load() {
  if (!loading) {
    loading = (async () => {
      const url = new URL('sorvani.wasm', import.meta.url);
      const { instance } = await instantiate(url, wasiImports(() => instance.exports.memory));
      instance.exports._initialize();
      exports = instance.exports;
    })();
    loading.catch(() => { loading = null; });
  }
  return loading;
}

function module() {
  if (!exports) throw new Error('sorvani.wasm no está cargado: llame antes a load()');
  return exports;
}

// The pieces one after another in the module's input buffer.
function writeInput(pieces) {
  const total = pieces.reduce((sum, piece) => sum + piece.length, 0);
  const at = module().sorvani_input(total) >>> 0;
  const bytes = new Uint8Array(exports.memory.buffer, at, total);
  let offset = 0;
  for (const piece of pieces) {
    bytes.set(piece, offset);
    offset += piece.length;
  }
}

function outputBytes(index) {
  const at = exports.sorvani_output(index) >>> 0;
  const size = exports.sorvani_output_size(index) >>> 0;
  return new Uint8Array(exports.memory.buffer, at, size).slice();
}

function outputText(index) {
  return decoder.decode(outputBytes(index));
}

function decimalsOf(value) {
  const n = Number(value ?? 4);
  return Number.isInteger(n) && n >= 0 && n <= 10 ? n : 4;
}

// The window for any triangle, once per keystroke or option change.
// request: { partes: the six boxes a, b, c, A, B, C as typed ('' or blanks: not
//   a datum), decimales: 0 to 10 (4), grados: 'dms' | 'decimal', solucion: 0 | 1,
//   the triangle to show of two (send back the `solucion` of the last view) }.
// The view: { cajas: six { texto, aspecto: 'dato' | 'ilegible' | 'resultado' |
//   'libre' }, estado, resuelto, soluciones, solucion, resultados: { area,
//   perimetro, semiperimetro, alturas, medianas, bisectrices, r, R, tipo },
//   figura (SVG), descripcion, pasos, copia }.
export function resolver(request) {
  const parts = Array.from({ length: 6 }, (_, i) => encoder.encode(String(request.partes?.[i] ?? '')));
  writeInput(parts);
  module().sorvani_resolver(...parts.map((part) => part.length), decimalsOf(request.decimales),
    request.grados === 'decimal' ? 1 : 0, request.solucion === 1 ? 1 : 0);
  return JSON.parse(outputText(0));
}

// A worksheet (the CSV file's bytes) answered as `sorvani-calc --separador S
// --decimales D --titulo T --lote F` writes it, with --informe, --enunciado,
// --moodle and --gift: options { separador: ';' | ',', decimales: 0 to 10,
// titulo: '' for the default, moodle: true for the two Moodle files too (they
// take longer than the rest) }. Returns { csv, solucionario, enunciado,
// moodle, gift (bytes; those two empty without options.moodle), problemas
// (what sorvani-calc writes on standard error with all four files), resumen:
// { filas, respondidas, omitidas, malas, avisos }, salida (its exit status) }.
export function worksheet(bytes, options = {}) {
  const title = encoder.encode(String(options.titulo ?? ''));
  writeInput([bytes, title]);
  const salida = module().sorvani_worksheet(bytes.length, title.length,
    options.separador === ',' ? 44 : 59, decimalsOf(options.decimales), options.moodle ? 1 : 0);
  return {
    csv: outputBytes(0),
    solucionario: outputBytes(1),
    enunciado: outputBytes(2),
    moodle: outputBytes(5),
    gift: outputBytes(6),
    problemas: outputText(3),
    resumen: JSON.parse(outputText(4)),
    salida,
  };
}

// A fresh sheet as `sorvani-calc --semilla N --casos LISTA --versiones K
// --separador S --decimales D --titulo T --informe K --enunciado P --moodle M
// --gift G generar CANTIDAD` writes it: options { cantidad, casos: ['LLL', …],
// versiones, semilla: decimal text, separador: ';' | ',', decimales: 0 to 10,
// titulo: '' for the default, moodle: true for the two Moodle files too },
// each read by the C++ as the command reads it. Returns { hoja, solucionario,
// enunciado, moodle, gift (bytes, empty on a wrong use; the last two empty
// without options.moodle), problemas (its standard error but the usage: on a wrong use, the
// Spanish message), salida (its exit status) }.
export function generate(options = {}) {
  const texts = [options.cantidad ?? 10, (options.casos ?? ['LLL', 'LAL', 'ALA', 'LAA', 'LLA']).join(','),
    options.versiones ?? 1, options.semilla ?? '', options.titulo ?? ''].map((text) => encoder.encode(String(text)));
  writeInput(texts);
  const salida = module().sorvani_generate(...texts.map((text) => text.length),
    options.separador === ',' ? 44 : 59, decimalsOf(options.decimales), options.moodle ? 1 : 0);
  return {
    hoja: outputBytes(0),
    solucionario: outputBytes(1),
    enunciado: outputBytes(2),
    moodle: outputBytes(5),
    gift: outputBytes(6),
    problemas: outputText(3),
    salida,
  };
}

// The practice page: one practice, held by the module while the page is open.
// Each call returns { vista: the view (calc::PracticeViewJson: direccion,
// mensaje, opciones, progreso, resumen, numero, total, titulo, caso, datos,
// croquis, descripcion, pregunta, casillas, correccion, pistas, masPistas,
// solucion, filas, totales, copia), almacen: the store to keep, apartado: a
// kept store that could not be read ('' when it read), direccion: the address
// to write after "#" }.
function practiceOutputs() {
  return { vista: JSON.parse(outputText(0)), almacen: outputText(1), apartado: outputText(2), direccion: outputText(3) };
}

// Opens the practice of `direccion` (the address after "#"; '' for the last
// one practised) over the kept store `almacen`; `enlace` is the page's address
// before "#", for the summary's copy; `semilla` a seed drawn by the page in
// decimal, for an address without one.
export function practiceOpen({ almacen = '', direccion = '', enlace = '', semilla = '' } = {}) {
  const texts = [almacen, direccion, enlace, semilla].map((text) => encoder.encode(String(text)));
  writeInput(texts);
  module().sorvani_practice_open(...texts.map((text) => text.length));
  return practiceOutputs();
}

// What the student did, as practiceEvent takes it.
export const ACCION = Object.freeze({ escribir: 0, elegir: 1, comprobar: 2, pista: 3, solucion: 4, siguiente: 5 });

// escribir: `texto` typed into box `casilla` (0 to 7, as the view's casillas);
// elegir: `casilla` triangles (0, 1 or 2); the others take neither.
export function practiceEvent(accion, casilla = 0, texto = '') {
  const text = encoder.encode(String(texto));
  writeInput([text]);
  if (module().sorvani_practice_event(accion, casilla, text.length) !== 0)
    throw new Error(`acción de práctica desconocida o práctica sin abrir: ${accion}`);
  return practiceOutputs();
}

// "Nueva práctica" of the choices as typed: { casos: five booleans in the
// order LLL, LAL, ALA, LAA, LLA, problemas, decimales, semilla ('' for
// `sorteada`, a seed drawn by the page in decimal) }. Adds empezada: false
// when a choice does not read (the view's mensaje says which).
export function practiceStart(opciones, sorteada = '') {
  const texts = [opciones.problemas, opciones.decimales, opciones.semilla, sorteada]
    .map((text) => encoder.encode(String(text ?? '')));
  writeInput(texts);
  const cases = (opciones.casos ?? []).reduce((mask, on, i) => mask | (on ? 1 << i : 0), 0);
  const started = module().sorvani_practice_start(cases, ...texts.map((text) => text.length));
  if (started < 0)
    throw new Error('práctica sin abrir');
  return { ...practiceOutputs(), empezada: started === 1 };
}
