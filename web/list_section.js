// The page's 焊缝清单 section: a joint list chosen or dropped, read on this device
// (list.js), answered by the core, shown as a table and downloaded as CSV or a
// workbook. Nothing of the list leaves the device.

import { $, element } from './dom.js';
import { ListProblem, decodedText, isOldExcel, isWorkbook, readWorkbook, zipped } from './list.js';

function listProblem(text) {
  $('list-problem').textContent = text;
  $('list-problem').hidden = text === '';
}

export class ListSection {
  constructor(core) {
    this.core = core;
    this.listOpen = false;
  }

  // A joint list chosen or dropped: read here, answered by the core, shown as a table.
  async openList(file) {
    performance.mark('velmora-list-chosen');
    const limits = this.core.listLimits();
    listProblem('');
    this.listOpen = false;
    try {
      const bytes = new Uint8Array(await file.arrayBuffer());
      let read;
      if (isWorkbook(bytes)) {
        let sheet;
        try {
          sheet = await readWorkbook(bytes, limits);
        } catch (error) {
          if (!(error instanceof ListProblem)) {
            throw error;
          }
          throw new ListProblem(this.core.damagedWorkbook(error.message));
        }
        read = this.core.openListSheet(sheet);
        if (read.problem) {
          throw new ListProblem(this.core.damagedWorkbook(read.problem));
        }
      } else {
        const text = decodedText(bytes, this.core.listEncoding(bytes));
        if (text === null) {
          throw new ListProblem(this.core.unreadableFile(isOldExcel(bytes)));
        }
        read = this.core.openListText(text);
      }
      this.listName = file.name.replace(/\.[^.]*$/, '');
      this.listFaults = read.faults;
      this.listOpen = true;
      this.showList();
      performance.mark('velmora-list-answered');
    } catch (error) {
      listProblem(`${file.name}：${error instanceof ListProblem ? error.message : error}`);
      $('list-table').replaceChildren();
      $('list-faults').hidden = true;
      $('list-summary').textContent = '';
      $('list-csv').disabled = true;
      $('list-xlsx').disabled = true;
    }
  }

  showList() {
    if (!this.listOpen) {
      return;
    }
    const table = this.core.listTable(Number($('list-process').value));
    $('list-table').replaceChildren(
      element('thead', {}, element('tr', {}, element('th', { scope: 'col' }, '行'),
        ...table.header.map((h) => element('th', { scope: 'col' }, h)))),
      element('tbody', {}, ...table.rows.map((row, r) => element('tr', {},
        element('th', { scope: 'row' }, String(table.lines[r])), ...row.map((cell) => element('td', {}, cell))))));
    $('list-faults').replaceChildren(...this.listFaults.map((f) => element('li', {}, `第 ${f.line} 行：${f.reason}`)));
    $('list-faults').hidden = this.listFaults.length === 0;
    // Nothing of the list is left out of a download: with a line that names no joint,
    // there is none until the list is mended.
    const whole = this.listFaults.length === 0;
    $('list-summary').textContent = whole
      ? `共 ${table.rows.length} 行`
      : `有 ${this.listFaults.length} 行读不出接头，改好清单后重新选择才能下载：`;
    $('list-csv').disabled = !whole;
    $('list-xlsx').disabled = !whole;
  }

  async downloadList(kind) {
    const process = Number($('list-process').value);
    const blob = kind === 'csv'
      ? new Blob([this.core.listCsv(process)], { type: 'text/csv' })
      : await zipped(this.core.listWorkbook(process));
    const link = element('a', { href: URL.createObjectURL(blob), download: `${this.listName}_焊材答案.${kind}` });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  }

  wire() {
    for (const [i, caption] of this.core.answers('', '').map((a) => a.caption).entries()) {
      $('list-process').append(element('option', { value: String(i) }, caption));
    }
    $('list-file').addEventListener('change', () => {
      if ($('list-file').files.length === 1) {
        this.openList($('list-file').files[0]);
      }
    });
    $('list-process').addEventListener('change', () => this.showList());
    $('list-csv').addEventListener('click', () => this.downloadList('csv'));
    $('list-xlsx').addEventListener('click', () => this.downloadList('xlsx'));
    const zone = $('lists');
    zone.addEventListener('dragover', (event) => {
      event.preventDefault();
      zone.classList.add('dragging');
    });
    zone.addEventListener('dragleave', () => zone.classList.remove('dragging'));
    zone.addEventListener('drop', (event) => {
      event.preventDefault();
      zone.classList.remove('dragging');
      if (event.dataTransfer.files.length === 1) {
        this.openList(event.dataTransfer.files[0]);
      }
    });
  }

}
