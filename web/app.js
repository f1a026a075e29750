// Velmora in the browser: the page around the core. Every material, group, process
// caption, answer text and notice shown here comes from the core (velmora.wasm), the
// same code the desktop program is built from; this file only lays them out.
//
// tick or untick a box → core.tick/untick → core.answers → the four answers;
// the selection → the address ('#16MnR&Q235-B%2CC'), so back and forward walk it.

import createVelmora from './velmora.js';
import { answerNodes, sheetNodes } from './answers.js';
import { $, copyText, designationNodes, element } from './dom.js';
import { ListSection } from './list_section.js';

function problem(text) {
  $('problem').textContent = text;
  $('problem').hidden = text === '';
}

class Page {
  constructor(core) {
    this.core = core;
    this.boxes = new Map(); // designation → its check box
    this.readAs = new Map(); // designation → what the name it was chosen by was read as
  }

  // The 43 materials in their 14 groups, each group a fieldset as on the desktop. The
  // build writes them into the page from this same core, so that they show before the
  // core has loaded; they are taken over here, or built afresh should they differ.
  takeGroups() {
    const groups = $('groups');
    const listed = this.core.groups();
    const written = [...groups.querySelectorAll('fieldset')].map((fieldset) => ({
      caption: fieldset.querySelector('legend')?.textContent,
      materials: [...fieldset.querySelectorAll('label')].map((label) => label.textContent),
    }));
    if (JSON.stringify(written) !== JSON.stringify(listed)) {
      groups.replaceChildren(...listed.map((group, g) => element('fieldset', { class: 'group' },
        element('legend', {}, group.caption),
        ...group.materials.map((designation, i) => element('div', { class: 'material' },
          element('input', { type: 'checkbox', id: `m${g}-${i}` }),
          element('label', { for: `m${g}-${i}` }, ...designationNodes(designation)))))));
    }
    const ticked = [];
    for (const label of groups.querySelectorAll('label')) {
      const designation = label.textContent;
      const box = $(label.htmlFor);
      box.addEventListener('change', () => this.toggled(designation, box.checked));
      this.boxes.set(designation, box);
      if (box.checked) {
        ticked.push(designation); // ticked before the core had loaded
      }
    }
    performance.mark('velmora-materials');
    return ticked;
  }

  slots() {
    const [slot1, slot2] = this.core.slots();
    return { slot1, slot2, chosen: [slot1, slot2].filter((s) => s !== '') };
  }

  // A box ticked or unticked by the user: the core decides; a third is refused.
  toggled(designation, ticked) {
    this.say('');
    if (!ticked) {
      this.readAs.delete(designation);
    }
    if (ticked) {
      const result = this.core.tick(designation);
      if (result.refused) {
        this.boxes.get(designation).checked = false;
        this.say(`${result.title} ${result.text}`);
        return;
      }
    } else {
      this.core.untick(designation);
    }
    this.changed();
  }

  // A material chosen by a name of today's drawings shows what that name was read as.
  noteReadAs(designation, readAs) {
    if (readAs) {
      this.readAs.set(designation, readAs);
    } else {
      this.readAs.delete(designation);
    }
  }

  say(notice) {
    $('notice').textContent = notice;
    $('notice').hidden = notice === '';
  }

  // After the user changed the selection: show it and put it in the address.
  changed() {
    problem('');
    this.show();
    const link = this.core.linkFor(this.slots().chosen);
    if (link !== (location.hash || '#')) {
      history.pushState(null, '', link === '#' ? location.pathname + location.search : link);
    }
  }

  // The address chose the materials: opening a link, or back and forward.
  followAddress() {
    this.say('');
    this.core.clearSelection();
    const chosen = this.core.readLink(location.hash);
    problem(chosen.problem);
    chosen.materials.forEach((designation, i) => {
      this.core.tick(designation);
      this.noteReadAs(designation, chosen.readAs[i]);
    });
    this.show();
  }

  show() {
    const { slot1, slot2, chosen } = this.slots();
    for (const [designation, box] of this.boxes) {
      box.checked = chosen.includes(designation);
    }
    for (const designation of this.readAs.keys()) {
      if (!chosen.includes(designation)) {
        this.readAs.delete(designation);
      }
    }
    $('chosen').replaceChildren(
      ...(chosen.length === 0 ? ['（无）'] : chosen.map((c) => element('span', { class: 'slot' }, c,
        ...(this.readAs.has(c) ? [element('span', { class: 'read-as' }, `（${this.readAs.get(c)}）`)] : [])))));
    $('link').href = this.core.linkFor(chosen);
    $('print').disabled = chosen.length === 0;
    $('answer-list').replaceChildren(...answerNodes(this.core, slot1, slot2,
      (index, caption) => this.copy(slot1, slot2, index, caption)));
    const answered = chosen.length === 0 ? 0
      : [...$('answer-list').querySelectorAll('.answer')].filter((a) => a.dataset.outcome === 'answer').length;
    $('to-answers').textContent = chosen.length === 0 ? '' : `${answered} 种焊接方法有答案，看答案`;
  }


  async copy(slot1, slot2, index, caption) {
    await copyText(this.core.copiedAnswer(slot1, slot2, index));
    this.say(`已复制${caption}的答案`);
  }


  // Typing a name: the boxes narrow to the names that start so; Enter takes the
  // material the name means, as velmora-cli would.
  searchTyped() {
    const typed = $('search').value;
    const found = typed.trim() === '' ? null : this.core.lookUp(typed.trim());
    // The boxes narrow to the names that start so; a name that starts none leaves the
    // catalogue whole, with the closest materials offered as buttons.
    const starting = found === null ? [] : [...this.boxes.keys()].filter((d) => this.core.startsWith(d, typed.trim()));
    const narrowed = found !== null && (found.material !== '' || starting.length > 0);
    for (const [designation, box] of this.boxes) {
      box.parentElement.hidden = narrowed && found.material !== designation && !starting.includes(designation);
    }
    for (const fieldset of $('groups').children) {
      fieldset.hidden = [...fieldset.querySelectorAll('.material')].every((row) => row.hidden);
    }
    let said = '';
    if (found?.material) {
      said = `按回车选择 ${found.material}${found.readAs ? `（${found.readAs}）` : ''}`;
    } else if (found) {
      said = found.problem;
    }
    $('search-result').textContent = said;
    const offered = found && !found.material ? found.candidates : [];
    $('suggestions').replaceChildren(...offered.map((designation) => {
      const choose = element('button', { type: 'button', class: 'suggestion' }, designation);
      choose.addEventListener('click', () => this.choose(designation, ''));
      return choose;
    }));
    $('suggestions').hidden = offered.length === 0;
    return found;
  }

  searchEntered() {
    const found = this.searchTyped();
    if (!found?.material) {
      return;
    }
    this.choose(found.material, found.readAs);
  }

  // A material chosen by its name or a suggestion: ticked as a tap ticks it.
  choose(designation, readAs) {
    const box = this.boxes.get(designation);
    if (!box.checked) {
      box.checked = true;
      this.noteReadAs(designation, readAs);
      this.toggled(designation, true);
    }
    if (box.checked) {
      $('search').value = '';
      this.searchTyped();
    }
  }

  // The link to this answer: shared where the browser can share, else copied.
  async share() {
    const url = $('link').href;
    if (navigator.share) {
      try {
        await navigator.share({ title: document.title, url });
        return;
      } catch (error) {
        if (error.name === 'AbortError') {
          return; // the user closed the share sheet
        }
      }
    }
    await copyText(url);
    this.say('已复制本答案的链接');
  }


  showFoot() {
    $('usage').textContent = this.core.usageNotice();
    $('version').textContent = `Velmora ${this.core.version()}`;
    const now = new Date();
    $('today').textContent = this.core.sheetMoment(now.getFullYear(), now.getMonth() + 1, now.getDate(),
      now.getHours(), now.getMinutes());
    $('fingerprint').textContent = this.core.fingerprint();
  }

  wire() {
    // The bar's height, for the room kept above it when something is scrolled into view.
    new ResizeObserver(() => document.documentElement.style.setProperty(
      '--bar-height', `${$('chosen-bar').offsetHeight}px`)).observe($('chosen-bar'));
    $('clear').addEventListener('click', () => {
      this.say('');
      this.core.clearSelection();
      this.changed();
    });
    $('print').addEventListener('click', () => window.print());
    $('link').addEventListener('click', (event) => {
      event.preventDefault();
      this.share();
    });
    $('to-answers').addEventListener('click', (event) => {
      event.preventDefault();
      $('answers').scrollIntoView({ block: 'start' });
    });
    // Enter on a focused material ticks it, as Space does.
    $('groups').addEventListener('keydown', (event) => {
      if (event.key === 'Enter' && event.target.matches('input[type=checkbox]')) {
        event.preventDefault();
        event.target.click();
      }
    });
    $('search').addEventListener('input', () => this.searchTyped());
    $('search').addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        this.searchEntered();
      }
    });
    window.addEventListener('popstate', () => this.followAddress());
    window.addEventListener('hashchange', () => this.followAddress());
    window.addEventListener('beforeprint', () => {
      const { slot1, slot2 } = this.slots();
      $('sheet').replaceChildren(...sheetNodes(this.core, slot1, slot2, new Date()));
    });
  }
}

async function start() {
  if (typeof WebAssembly !== 'object') {
    $('unsupported').hidden = false;
    return;
  }
  const page = new Page(await createVelmora());
  const tickedEarly = page.takeGroups();
  page.wire();
  new ListSection(page.core).wire();
  page.followAddress();
  for (const designation of tickedEarly) {
    page.boxes.get(designation).checked = true;
    page.toggled(designation, true);
  }
  page.showFoot();
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
}

start().catch((error) => problem(`Velmora 未能启动：${error.message ?? error}`));
