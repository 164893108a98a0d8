#pragma once
// Field tables: every field of a device record declared once, with the control that shows it, the
// form member that holds its text, its place and encoding in the record, its range and the caption
// used in messages. Generic code shows a table into a form and reads it back with range checks; only
// the unusual fields of a record are written out as code beside its table.
//
// A form is a plain struct whose members carry the control names (see HcaForm). Rows reach their
// member through an accessor, so rows can also point into arrays of repeated rows.

#include "core/app/Result.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <type_traits>
#include <vector>

namespace kvq {

// An input the record cannot take: the control that holds it and what is wrong, in the user's words.
// A family's rules may give a code of their own instead of the words (message empty); its window
// then says it in its translatable texts.
struct InputError {
    QString control;
    QString message;
    int code = 0;
};

namespace fields {

enum class Codec : std::uint8_t {
    U8,
    I8,
    BE16,
    BE16Signed, // two's complement, most significant byte first
    LE16,
    BE32,
    LE32,
    BEFloat,   // IEEE single, most significant byte first
    LEFloat,   // IEEE single, least significant byte first
    BcdId,     // 4 bytes: a little-endian 32-bit value shown as its eight nibbles, most significant first
    BcdIdBE,   // 4 bytes: a big-endian 32-bit value shown the same way
    ManCode,   // 2 bytes low byte first: three letters of five bits each ('@' + value)
    ManCodeBE, // the same, high byte first
};

enum class ByteOrder : std::uint8_t { Big, Little };

// A caption of the field rules, translated in the context "FieldTexts" (marked in the tables with
// QT_TRANSLATE_NOOP so that lupdate finds it).
QString translated(const char* sourceText);

// Bytes a codec occupies in the record.
int codecSize(Codec codec);

// Where a value sits and how it is written: the part of a row that needs no form.
struct Placement {
    int offset = 0;
    Codec codec = Codec::U8;
    std::int64_t min = 0; // integer codecs: accepted range in stored units
    std::int64_t max = 0; // min == max == 0: the codec's whole range
    int decimals = 0;     // integer codecs: stored in 1/10^decimals, shown with a decimal comma
    const char* caption = nullptr; // source text, translated in the context "FieldTexts"
    int row = 0;                   // repeated rows: number shown after the caption, 0 for none
};

// The effective range of an integer place (its own or the codec's).
std::int64_t placeMin(const Placement& s);
std::int64_t placeMax(const Placement& s);

// The caption as shown in messages, translated, with the row number where there is one.
QString captionText(const Placement& s);

// The stored number of an integer codec (U8 .. LE32); 0 for the others.
std::int64_t integerValue(std::span<const std::uint8_t> record, const Placement& s);

// The value's text as the form shows it.
QString showValue(std::span<const std::uint8_t> record, const Placement& s);

// Stores a text into the record, or says in the user's words why the field cannot take it (the
// record is then untouched). A manufacturer code that is not three signs long is left as it is.
Status storeValue(std::span<std::uint8_t> record, const Placement& s, const QString& text);

// One bit of a 1, 2 or 4 byte word of the record.
struct Bit {
    int offset = 0; // first byte of the word
    int bit = 0;    // 0 = least significant bit of the word
    int bytes = 2;
    ByteOrder order = ByteOrder::Big;
};
bool bitValue(std::span<const std::uint8_t> record, const Bit& b);
void setBitValue(std::span<std::uint8_t> record, const Bit& b, bool on);

// A word whose bits are built from the flag rows alone when the form is read: bits no row names
// are cleared.
struct Word {
    int offset = 0;
    int bytes = 2;
    ByteOrder order = ByteOrder::Big;
};
void clearWord(std::span<std::uint8_t> record, const Word& w);

template <class Form> using TextRef = std::function<QString&(Form&)>;
template <class Form> using BoolRef = std::function<bool&(Form&)>;
template <class Form> using IntRef = std::function<int&(Form&)>;

// Accessors for plain members and for elements of array members.
template <class Form, class T> auto member(T Form::*m) {
    return [m](Form& f) -> T& { return f.*m; };
}
template <class Form, class Array> auto element(Array Form::*a, std::size_t i) {
    return [a, i](Form& f) -> auto& { return (f.*a)[i]; };
}

// A value edit: the text member shows and takes the field.
template <class Form> struct Field {
    QString control;
    TextRef<Form> text;
    Placement place;
};

// A check box or radio button for one bit. Show-only bits are never read back.
template <class Form> struct Flag {
    QString control;
    BoolRef<Form> value;
    Bit bit;
    bool showOnly = false;
};

// A spin box or a combo box index: the integer member shows the field, clamped to [min, max], and
// is clamped again when it is stored.
template <class Form> struct Number {
    QString control;
    IntRef<Form> value;
    Placement place;
};

template <class Form> struct Table {
    std::vector<Field<Form>> fields;
    std::vector<Flag<Form>> flags;
    std::vector<Number<Form>> numbers;
    std::vector<Word> words; // built from the flags alone
};

// The rows of a table whose control `keep` accepts, for a form derived from the table's form: a
// record that shares another record's layout takes the rows that apply to it. Words come along.
template <class Derived, class Base, class Keep> Table<Derived> subTable(const Table<Base>& t, Keep keep) {
    static_assert(std::is_base_of_v<Base, Derived>);
    Table<Derived> out;
    for (const Field<Base>& r : t.fields)
        if (keep(r.control))
            out.fields.push_back({r.control, [ref = r.text](Derived& f) -> QString& { return ref(f); }, r.place});
    for (const Flag<Base>& r : t.flags)
        if (keep(r.control))
            out.flags.push_back(
                {r.control, [ref = r.value](Derived& f) -> bool& { return ref(f); }, r.bit, r.showOnly});
    for (const Number<Base>& r : t.numbers)
        if (keep(r.control))
            out.numbers.push_back({r.control, [ref = r.value](Derived& f) -> int& { return ref(f); }, r.place});
    out.words = t.words;
    return out;
}

template <class Form> void showTable(const Table<Form>& t, std::span<const std::uint8_t> record, Form& form) {
    for (const Field<Form>& f : t.fields)
        f.text(form) = showValue(record, f.place);
    for (const Flag<Form>& f : t.flags)
        f.value(form) = bitValue(record, f.bit);
    for (const Number<Form>& n : t.numbers)
        n.value(form) = int(std::clamp(integerValue(record, n.place), placeMin(n.place), placeMax(n.place)));
}

// Reads the table's rows into the record in table order; only what differs from the record's own
// text is checked and stored. The first field that does not fit stops it and is returned with what
// has been written so far (callers read into a copy).
template <class Form>
std::optional<InputError> readTable(const Table<Form>& t, Form& form, std::span<std::uint8_t> record) {
    for (const Field<Form>& f : t.fields) {
        // A text nobody changed keeps the bytes it was shown from: a value the device sent goes back
        // as it came, even where it is no valid input (an erased device's ID reads FF FF FF FF).
        if (f.text(form) == showValue(record, f.place))
            continue;
        const Status s = storeValue(record, f.place, f.text(form));
        if (!s)
            return InputError{f.control, s.message()};
    }
    for (const Number<Form>& n : t.numbers) {
        // A value the record holds outside the control's range is shown clamped; as long as nobody
        // changes the control, the value the device sent is written back as it came.
        const std::int64_t held = integerValue(record, n.place);
        const std::int64_t shown = std::clamp(held, placeMin(n.place), placeMax(n.place));
        if (held != shown && n.value(form) == shown)
            continue;
        const std::int64_t v = std::clamp<std::int64_t>(n.value(form), placeMin(n.place), placeMax(n.place));
        (void)storeValue(record, n.place, QString::number(v));
    }
    for (const Word& w : t.words)
        clearWord(record, w);
    for (const Flag<Form>& f : t.flags)
        if (!f.showOnly)
            setBitValue(record, f.bit, f.value(form));
    return std::nullopt;
}

} // namespace fields
} // namespace kvq
