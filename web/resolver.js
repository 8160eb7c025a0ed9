// The page for any triangle: every keystroke asks the module for the whole
// view and shows it, within the input event. The page keeps only which boxes
// hold data (a box the user typed in and did not empty), as the window does.
import { resolver } from './sorvani.js';
import { copy, save, decimals, start, shown } from './comun.js';

const KEYS = ['a', 'b', 'c', 'A', 'B', 'C'];
const $ = (id) => document.getElementById(id);
const boxes = KEYS.map((_, i) => $('p' + i));
const datum = boxes.map(() => false);
const status = $('estado');
const solutions = $('soluciones');
const figure = $('figura');
const steps = $('pasos');
const decimalsBox = $('decimales');
const results = [...document.querySelectorAll('[data-r]')].map((box) => [box, box.dataset.r.split('.')]);
const buttons = { copy: $('copiar'), save: $('descargar'), print: $('imprimir') };
let ready = false;
let view = null;
let svg = null;

const checked = (name) => document.querySelector(`input[name=${name}]:checked`).value;

function show() {
  if (!ready)
    return;
  view = resolver({
    partes: boxes.map((box, i) => (datum[i] ? box.value : '')),
    decimales: decimals(decimalsBox),
    grados: checked('grados'),
    solucion: Number(checked('solucion')),
  });
  view.cajas.forEach(({ texto, aspecto }, i) => {
    const box = boxes[i];
    if (box.dataset.aspecto !== aspecto) {
      box.dataset.aspecto = aspecto;
      box.readOnly = aspecto === 'resultado';
      if (aspecto === 'ilegible') {
        box.setAttribute('aria-invalid', 'true');
        box.setAttribute('aria-describedby', 'estado');
      } else {
        box.removeAttribute('aria-invalid');
        box.removeAttribute('aria-describedby');
      }
    }
    // A typed value is never written over.
    if (!datum[i] && box.value !== texto)
      box.value = texto;
  });
  // Set only when it changes: a live region announces every setting.
  if (status.textContent !== view.estado)
    status.textContent = view.estado;
  solutions.hidden = view.soluciones !== 2;
  document.querySelectorAll('input[name=solucion]')[view.solucion].checked = true;
  for (const [box, [key, index]] of results) {
    const value = view.resultados[key];
    const text = (index === undefined ? value : value?.[Number(index)]) ?? '';
    if (box.value !== text)
      box.value = text;
  }
  if (svg !== view.figura) {
    svg = view.figura;
    // Markup from the module only; it escapes what it was given.
    figure.innerHTML = svg;
  }
  // An empty picture has no name, so it is no image then.
  if (view.resuelto) {
    figure.setAttribute('role', 'img');
    figure.setAttribute('aria-label', view.descripcion);
  } else {
    figure.removeAttribute('role');
    figure.removeAttribute('aria-label');
  }
  if (steps.textContent !== view.pasos)
    steps.textContent = view.pasos;
  buttons.copy.disabled = !view.copia;
  buttons.save.disabled = buttons.print.disabled = !view.resuelto;
}

// The problem lives in the address, so a link opens it solved.
function fromAddress() {
  const given = new URLSearchParams(location.hash.slice(1));
  boxes.forEach((box, i) => {
    box.value = given.get(KEYS[i]) ?? '';
    datum[i] = box.value.trim() !== '';
  });
}

function toAddress() {
  const given = new URLSearchParams();
  boxes.forEach((box, i) => datum[i] && given.append(KEYS[i], box.value));
  const text = given.toString();
  // Replaced, not pushed: typing does not fill the history.
  history.replaceState(null, '', text ? '#' + text : location.pathname + location.search);
}

boxes.forEach((box, i) =>
  box.addEventListener('input', () => {
    datum[i] = box.value.trim() !== '';
    show();
    toAddress();
  }));
decimalsBox.addEventListener('input', show);
for (const radio of document.querySelectorAll('input[name=grados], input[name=solucion]'))
  radio.addEventListener('change', show);
window.addEventListener('hashchange', () => {
  fromAddress();
  show();
});

buttons.copy.addEventListener('click', () => copy(view.copia));
buttons.save.addEventListener('click', () => save(view.figura, 'triangulo.svg', 'image/svg+xml'));
buttons.print.addEventListener('click', () => window.print());
$('borrar').addEventListener('click', () => {
  boxes.forEach((box, i) => {
    box.value = '';
    datum[i] = false;
  });
  show();
  toAddress();
  boxes[0].focus();
});

fromAddress();
if (await start(status)) {
  ready = true;
  show();
  shown();
}
