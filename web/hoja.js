// The worksheet page: the chosen CSV is read here and answered by the module,
// which writes every file exactly as sorvani-calc --lote does; or the module
// makes a fresh sheet as sorvani-calc generar does, answered at once.
import { generate, worksheet } from './sorvani.js';
import { save, decimals, start, shown } from './comun.js';

const $ = (id) => document.getElementById(id);
const chooser = $('fichero');
const zone = $('zona');
const summary = $('resumen');
const problems = $('problemas');
const downloads = { csv: $('bajar-csv'), solucionario: $('bajar-solucionario'), enunciado: $('bajar-enunciado'),
  moodle: $('bajar-moodle'), gift: $('bajar-gift') };
const made = { hoja: $('bajar-ejercicios'), solucionario: $('bajar-ejercicios-solucionario'),
  enunciado: $('bajar-ejercicios-enunciado'), moodle: $('bajar-ejercicios-moodle'), gift: $('bajar-ejercicios-gift') };
const seed = $('semilla');
const madeStatus = $('generada');
let sheet = null; // { name, bytes, generated }
let fresh = null;
let freshOptions = null;
let answer = null;
let answerOptions = null;
let ready = false;

function answerSheet() {
  if (!sheet || !ready)
    return;
  answerOptions = {
    separador: $('separador').value,
    decimales: decimals($('decimales')),
    titulo: $('titulo').value,
  };
  answer = worksheet(sheet.bytes, answerOptions);
  const { filas, respondidas } = answer.resumen;
  summary.textContent = `${sheet.name}: ${respondidas} de ${filas} ${filas === 1 ? 'fila respondida' : 'filas respondidas'}.`;
  // Each warning and refused row as text, with its row number as sorvani-calc
  // gives it, less the program's name that starts each line on a terminal.
  problems.replaceChildren(...answer.problemas.split('\n').filter((line) => line !== '').map((line) => {
    const item = document.createElement('li');
    item.textContent = line.replace(/^sorvani-calc: /, '');
    return item;
  }));
  for (const button of Object.values(downloads))
    button.disabled = false;
}

// A fresh sheet from the boxes of "Generar ejercicios"; an empty seed is
// drawn here and shown, so that the same sheet can be made again.
function makeSheet() {
  if (!ready)
    return;
  if (seed.value.trim() === '')
    seed.value = crypto.getRandomValues(new BigUint64Array(1))[0].toString();
  freshOptions = {
    cantidad: $('cantidad').value,
    casos: [...document.querySelectorAll('input[name=casos]:checked')].map((box) => box.value),
    versiones: $('versiones').value,
    semilla: seed.value,
    separador: $('separador').value,
    decimales: decimals($('decimales')),
    titulo: $('titulo').value,
  };
  fresh = generate(freshOptions);
  const madeOk = fresh.salida === 0;
  for (const button of Object.values(made))
    button.disabled = !madeOk;
  // On a wrong use, the command's message, less the program's name.
  madeStatus.textContent = madeOk ? `Hoja generada con la semilla ${seed.value}.`
    : fresh.problemas.split('\n')[0].replace(/^sorvani-calc: /, '');
  if (madeOk) {
    sheet = { name: 'ejercicios', bytes: fresh.hoja, generated: true };
    answerSheet();
  }
}

// An option changed: a generated sheet is made again with it, as the
// command would write it; a chosen one is answered again.
function refresh() {
  if (sheet?.generated)
    makeSheet();
  else
    answerSheet();
}

async function open(file) {
  if (!file)
    return;
  sheet = { name: file.name.replace(/\.[^.]*$/, '') || 'hoja', bytes: new Uint8Array(await file.arrayBuffer()) };
  answerSheet();
}

chooser.addEventListener('change', () => open(chooser.files[0]));
// A sheet dropped anywhere on the page is read, not opened by the browser in its place.
document.addEventListener('dragover', (event) => {
  event.preventDefault();
  zone.classList.add('encima');
});
document.addEventListener('dragleave', (event) => {
  if (!event.relatedTarget)
    zone.classList.remove('encima');
});
document.addEventListener('drop', (event) => {
  event.preventDefault();
  zone.classList.remove('encima');
  open(event.dataTransfer.files[0]);
});
$('separador').addEventListener('change', refresh);
$('decimales').addEventListener('input', refresh);
$('titulo').addEventListener('input', refresh);
$('generar').addEventListener('click', makeSheet);
// With no case ticked there is nothing to generate.
const caseBoxes = [...document.querySelectorAll('input[name=casos]')];
for (const box of caseBoxes)
  box.addEventListener('change', () => { $('generar').disabled = !caseBoxes.some((b) => b.checked); });
made.hoja.addEventListener('click', () => save(fresh.hoja, 'ejercicios.csv', 'text/csv'));
made.solucionario.addEventListener('click', () => save(fresh.solucionario, 'ejercicios-solucionario.html', 'text/html'));
made.enunciado.addEventListener('click', () => save(fresh.enunciado, 'ejercicios-enunciado.html', 'text/html'));
// The Moodle files take longer to write than the rest together: each is made
// when it is saved, with the options the other files were made with.
made.moodle.addEventListener('click', () =>
  save(generate({ ...freshOptions, moodle: true }).moodle, 'ejercicios-moodle.xml', 'application/xml'));
made.gift.addEventListener('click', () =>
  save(generate({ ...freshOptions, moodle: true }).gift, 'ejercicios-gift.txt', 'text/plain'));

downloads.csv.addEventListener('click', () => save(answer.csv, `${sheet.name}-resuelta.csv`, 'text/csv'));
downloads.solucionario.addEventListener('click', () =>
  save(answer.solucionario, `${sheet.name}-solucionario.html`, 'text/html'));
downloads.enunciado.addEventListener('click', () =>
  save(answer.enunciado, `${sheet.name}-enunciado.html`, 'text/html'));
downloads.moodle.addEventListener('click', () => save(worksheet(sheet.bytes, { ...answerOptions, moodle: true }).moodle,
  `${sheet.name}-moodle.xml`, 'application/xml'));
downloads.gift.addEventListener('click', () => save(worksheet(sheet.bytes, { ...answerOptions, moodle: true }).gift,
  `${sheet.name}-gift.txt`, 'text/plain'));

if (await start(summary)) {
  ready = true;
  // A sheet chosen before the module was ready.
  answerSheet();
  shown();
}
