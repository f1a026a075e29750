// The answers as the page shows them, and the answer sheet it prints: laid out here,
// every text the core's.

import { element } from './dom.js';

// The four processes at once, each as the results window shows it; `copy(index,
// caption)` is what a copy button does.
export function answerNodes(core, slot1, slot2, copy) {
  if (slot1 === '' && slot2 === '') {
    return [element('p', { class: 'hint' }, core.notices().nothingChosen.text)];
  }
  return core.answers(slot1, slot2).map((answer, index) => {
    const article = element('article', { class: 'answer', 'data-process': answer.key, 'data-outcome': answer.outcome },
      element('h3', {}, answer.caption));
    if (answer.outcome !== 'answer') {
      article.append(element('p', { class: 'none' }, answer.notice.text));
      return article;
    }
    for (const text of answer.texts) {
      article.append(element('p', { class: 'text' }, text));
    }
    if (answer.dash) {
      // Three dashes are no consumable to copy into a procedure.
      article.append(element('p', { class: 'dash-note' }, core.notices().dashAnswer));
      return article;
    }
    const button = element('button', { type: 'button', class: 'copy', 'aria-label': `复制${answer.caption}的答案` }, '复制');
    button.addEventListener('click', () => copy(index, answer.caption));
    article.append(button);
    return article;
  });
}

// The answer sheet, as the desktop prints it, at the moment `now`.
export function sheetNodes(core, slot1, slot2, now) {
  const s = core.sheet(slot1, slot2, now.getFullYear(), now.getMonth() + 1, now.getDate(),
    now.getHours(), now.getMinutes());
  const table = element('table', {},
    element('thead', {}, element('tr', {}, ...s.columns.map((c) => element('th', { scope: 'col' }, c)))),
    element('tbody', {}, ...s.rows.map((row) => element('tr', {},
      element('th', { scope: 'row' }, row.process),
      element('td', {}, ...row.lines.map((line) => element('p', {}, line)))))));
  return [
    element('h2', {}, s.title),
    ...s.heading.map((line) => element('p', {}, line)),
    ...(s.rows.length > 0 ? [table] : []),
    element('p', { class: 'sheet-notice' }, s.notice),
    element('p', { class: 'sheet-edition' }, s.edition),
  ];
}
