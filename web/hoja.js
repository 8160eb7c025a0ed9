// The worksheet page: the chosen CSV is read here and answered by the module,
// which writes the three files exactly as sorvani-calc --lote does.
import { worksheet } from './sorvani.js';
import { save, decimals, start, shown } from './comun.js';

const $ = (id) => document.getElementById(id);
const chooser = $('fichero');
const zone = $('zona');
const summary = $('resumen');
const problems = $('problemas');
const downloads = { csv: $('bajar-csv'), solucionario: $('bajar-solucionario'), enunciado: $('bajar-enunciado') };
let sheet = null; // { name, bytes }
let answer = null;
let ready = false;

function answerSheet() {
  if (!sheet || !ready)
    return;
  answer = worksheet(sheet.bytes, {
    separador: $('separador').value,
    decimales: decimals($('decimales')),
    titulo: $('titulo').value,
  });
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
$('separador').addEventListener('change', answerSheet);
$('decimales').addEventListener('input', answerSheet);
$('titulo').addEventListener('input', answerSheet);

downloads.csv.addEventListener('click', () => save(answer.csv, `${sheet.name}-resuelta.csv`, 'text/csv'));
downloads.solucionario.addEventListener('click', () =>
  save(answer.solucionario, `${sheet.name}-solucionario.html`, 'text/html'));
downloads.enunciado.addEventListener('click', () =>
  save(answer.enunciado, `${sheet.name}-enunciado.html`, 'text/html'));

if (await start(summary)) {
  ready = true;
  // A sheet chosen before the module was ready.
  answerSheet();
  shown();
}
