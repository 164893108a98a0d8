#!/usr/bin/env python3
"""Finds user-visible text in the window code that does not go through tr().

lupdate collects what is inside tr(), but says nothing about text that never got there. This check
looks at every call that puts text in front of a person (captions, labels, menu entries, tool tips,
status panels, messages and questions, file dialogs) and every widget built with a caption, and
reports a string literal among its arguments that is not inside tr(), QCoreApplication::translate(),
QT_TR_NOOP() or QT_TRANSLATE_NOOP(). A char table turned into visible text with QString::fromUtf8 or
fromLatin1 is reported too: its texts belong in QT_TRANSLATE_NOOP and are shown through tr().

Not reported: literals without a letter (formats such as "%1 ", ": "), the names in ALLOWED (the
program's name, language names shown in their own language), and a line that carries the comment
"notr:" with the reason.

  scripts/check-tr.py              checks the folders in CHECKED, exit status 1 on a finding
  scripts/check-tr.py PATH...      checks these files or folders
  scripts/check-tr.py --self-test  runs the check over its own examples
"""

import os
import re
import sys

# The folders whose visible text must go through tr(); one line per folder.
CHECKED = [
    "src/ui/app",
    "src/ui/link",
    "src/ui/firmware",
    "src/ui/devices",
    "src/ui/log",
    "src/ui/wmbus",
]

# Literals that are shown as they are in every language.
ALLOWED = {
    "KVQ Commander",
    "KVQ Commander  ",
    "KVQ Service Console  ",
    "Deutsch",
    "English",
}

# Calls whose text arguments a person reads.
VISIBLE_CALLS = [
    # captions and texts of widgets
    "setText", "setWindowTitle", "setToolTip", "setStatusTip", "setWhatsThis", "setPlaceholderText",
    "setTitle", "setAccessibleName", "setAccessibleDescription", "setLabelText", "setPrefix", "setSuffix",
    "setSpecialValueText", "setTabText", "setTabToolTip", "setItemText", "setHeaderLabels",
    "setHorizontalHeaderLabels", "setVerticalHeaderLabels", "setHeaderData", "setWindowIconText",
    "setButtonText", "setInformativeText", "setDetailedText", "setNameFilter", "setNameFilters",
    # menus, lists, tabs
    "addAction", "addMenu", "addSection", "addTab", "insertTab", "addItem", "addItems", "insertItem",
    "insertItems", "addRow", "insertRow",
    # the status bar and the user-interaction seam
    "setStatusText", "setStatus", "showMessage", "message", "question", "inputText", "openFileName",
    "saveFileName", "folderName",
    # Qt dialogs
    "information", "warning", "critical", "about", "getOpenFileName", "getSaveFileName",
    "getExistingDirectory", "getText", "getItem", "getInt", "getDouble",
    # widgets built with a caption
    "QLabel", "QPushButton", "QCheckBox", "QRadioButton", "QGroupBox", "QAction", "QMenu", "QToolButton",
    "QCommandLinkButton", "QMessageBox", "QTableWidgetItem", "QTreeWidgetItem", "QListWidgetItem",
]

# Calls whose literal argument names an object, not a text: the hidden labels, children, properties.
NAME_LOOKUPS = ["text", "findChild", "findChildren", "setObjectName", "property", "setProperty"]

TRANSLATING = ["tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TR_N_NOOP", "QT_TRANSLATE_N_NOOP"]
UNTRANSLATED_CONVERSIONS = ["fromUtf8", "fromLatin1", "fromLocal8Bit", "fromStdString"]

LETTER = re.compile(r"[^\W\d_]", re.UNICODE)
CALL = re.compile(r"\b(" + "|".join(VISIBLE_CALLS) + r")\s*\(")
LITERAL = re.compile(r'(?:u8|u|U|L)?"(?:[^"\\\n]|\\.)*"')


def blank_comments(text):
    """Comments and the insides of literals' neighbours stay in place as blanks, so offsets and lines
    keep their meaning. Returns the code with comments blanked and the set of lines marked notr."""
    out = []
    marked = set()
    i, line, n = 0, 1, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            if "notr:" in text[i:end]:
                marked.add(line)
            out.append(" " * (end - i))
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            chunk = text[i:end]
            if "notr:" in chunk:
                marked.add(line)
            out.append(re.sub(r"[^\n]", " ", chunk))
            line += chunk.count("\n")
            i = end
        elif c == '"':
            m = LITERAL.match(text, i)
            end = m.end() if m else i + 1
            out.append(text[i:end])
            i = end
        elif c == "'":
            m = re.compile(r"'(?:[^'\\\n]|\\.)*'").match(text, i)
            end = m.end() if m else i + 1
            out.append(text[i:end])
            i = end
        else:
            if c == "\n":
                line += 1
            out.append(c)
            i += 1
    return "".join(out), marked


def closing_paren(code, open_pos):
    """Index of the parenthesis that closes the one at open_pos, skipping literals."""
    depth = 0
    i = open_pos
    while i < len(code):
        c = code[i]
        if c == '"':
            m = LITERAL.match(code, i)
            i = m.end() if m else i + 1
            continue
        if c == "'":
            m = re.compile(r"'(?:[^'\\\n]|\\.)*'").match(code, i)
            i = m.end() if m else i + 1
            continue
        if c == "(":
            depth += 1
        elif c == ")":
            depth -= 1
            if depth == 0:
                return i
        i += 1
    return len(code) - 1


def masked_spans(code, start, end, names):
    """Spans [a, b) inside code[start:end] that are calls of one of `names`, arguments included."""
    spans = []
    pattern = re.compile(r"\b(" + "|".join(names) + r")\s*\(")
    pos = start
    while True:
        m = pattern.search(code, pos, end)
        if not m:
            return spans
        close = closing_paren(code, m.end() - 1)
        spans.append((m.start(), close + 1))
        pos = close + 1


def inside(spans, pos):
    return any(a <= pos < b for a, b in spans)


def findings_in(text):
    """(line, message) for each untranslated visible text of one source text."""
    code, marked = blank_comments(text)
    found = []
    seen = set()
    for m in CALL.finditer(code):
        open_pos = m.end() - 1
        close = closing_paren(code, open_pos)
        translated = masked_spans(code, open_pos + 1, close, TRANSLATING + NAME_LOOKUPS)
        # Visible calls nested in this one are reported on their own.
        for lit in LITERAL.finditer(code, open_pos + 1, close):
            if inside(translated, lit.start()) or lit.start() in seen:
                continue
            body = lit.group(0)
            body = body[body.index('"') + 1 : -1]
            if not LETTER.search(body) or body in ALLOWED:
                continue
            seen.add(lit.start())
            line = code.count("\n", 0, lit.start()) + 1
            if line not in marked:
                found.append((line, '%s(): "%s" is not inside tr()' % (m.group(1), body)))
        for conv in re.finditer(r"\b(" + "|".join(UNTRANSLATED_CONVERSIONS) + r")\s*\(", code[: close]):
            if conv.start() <= open_pos or inside(translated, conv.start()) or conv.start() in seen:
                continue
            seen.add(conv.start())
            line = code.count("\n", 0, conv.start()) + 1
            if line not in marked:
                found.append((line, "%s(): text from %s() is shown without tr()" % (m.group(1), conv.group(1))))
    return sorted(found)


def source_files(paths):
    for path in paths:
        if os.path.isfile(path):
            yield path
            continue
        for root, _, files in os.walk(path):
            for name in sorted(files):
                if name.endswith((".cpp", ".h")):
                    yield os.path.join(root, name)


def self_test():
    cases = [
        ('label->setText(QStringLiteral("Laden"));', 1),
        ('label->setText(tr("Laden"));', 0),
        ('label->setText(QCoreApplication::translate("Link", "Laden"));', 0),
        ('label->setText(QStringLiteral("%1 ").arg(n));', 0),
        ('setWindowTitle(QStringLiteral("KVQ Commander"));', 0),
        ('auto* l = new QLabel(QString::fromUtf8("Größe"), this);', 1),
        ('menu->addAction(QString::fromUtf8(entry.caption));', 1),
        ('menu->addAction(tr(entry.caption));', 0),
        ('ui.message(text, QStringLiteral("Error"), Icon::Error);', 1),
        ('ui.message(text, QStringLiteral("Error"), Icon::Error); // notr: the system\'s own caption', 0),
        ('setObjectName(QStringLiteral("LabelGV"));', 0),
        ('// setText(QStringLiteral("Laden"));', 0),
        ('setText(tr("a") + QStringLiteral(" b"));', 1),
        ('setText(tr("%1 von %2").arg(QStringLiteral("x"), y));', 1),
        ('setToolTip(\n    QStringLiteral("zwei"\n                   "Zeilen"));', 1),
        ('box.setText(tr("Text mit \\"Zitat\\" (Klammer"));', 0),
        ('const char* kCaption = QT_TRANSLATE_NOOP("TMainForm", "Laden");', 0),
        ('setStatusText(3, text("LabelGV"));', 0),
    ]
    failed = 0
    for text, expected in cases:
        got = len(findings_in(text))
        if bool(got) != bool(expected):
            failed += 1
            print("self-test: %d finding(s), expected %s: %s" % (got, "some" if expected else "none", text),
                  file=sys.stderr)
    return 1 if failed else 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    paths = argv[1:] or [os.path.join(root, p) for p in CHECKED]
    count = 0
    for path in source_files(paths):
        with open(path, encoding="utf-8") as f:
            for line, message in findings_in(f.read()):
                print("%s:%d: %s" % (os.path.relpath(path, root), line, message))
                count += 1
    if count:
        print("%d visible text(s) outside tr()" % count, file=sys.stderr)
    return 1 if count else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
