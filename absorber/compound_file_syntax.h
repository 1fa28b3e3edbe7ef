// The pieces of the compound library file's syntax, as pure functions over
// bytes: lines, fields, numbers and texts. The file is 8-bit text and is read
// the same way whatever the user's locale.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

// Splits the file into lines. A line ends at a CR (an LF right after it
// belongs to the line end) or at a lone LF, and the file's first line end (the
// title's) says which kind the file uses: CR LF, CR or LF. A line that ends in
// another kind is a line of mixed line ends (LastLineEndDiffers): read as one
// kind, it would run into the next line or swallow it, so the loader takes it
// for a faulty line rather than lose what it holds. In a CR LF file a CR
// without its LF is such a line end, as a lone LF is; in a CR file a CR LF
// ends a line as a CR does, the LF being part of its line end. A byte of code 26 ends
// the file wherever it stands. A line end at the very end does not open
// another, empty line.
class LineReader
{
public:
    explicit LineReader(QByteArrayView data);
    bool AtEnd() const { return position_ >= data_.size(); }
    // The next line without its line end; empty at the end of the data.
    QByteArrayView Next();
    // True when the line Next() gave last ended in another kind of line end
    // than the file's first line. The last line of a file needs no line end.
    bool LastLineEndDiffers() const { return lastDiffers_; }

private:
    enum class LineEnd { None, Cr, CrLf, Lf };
    QByteArrayView data_;
    qsizetype position_ = 0;
    LineEnd fileEnd_ = LineEnd::None;
    bool lastDiffers_ = false;
};

// Removes leading and trailing bytes of code 0 to 32.
QByteArrayView TrimField(QByteArrayView field);

// Cuts the next ";"-separated field off the front of rest and returns it
// trimmed. Without a ";" the field is all of rest and rest becomes empty, so
// fields past the end of a line come out empty.
QByteArrayView CutField(QByteArrayView &rest);

// An optional sign, then decimal digits or "$" and hexadecimal digits, nothing
// else; the value must fit a 32-bit signed integer.
std::optional<std::int32_t> ParseInteger(QByteArrayView field);

// Whether field is written as a real number: an optional sign, digits with an
// optional fraction after ".", an optional exponent ("E" or "e", optional
// sign, digits), nothing else, whatever its size.
bool IsRealSyntax(QByteArrayView field);

// A field of real number syntax (IsRealSyntax) as a 32-bit float. "." is the
// decimal point whatever the locale; a "," makes the field invalid. A value
// that does not fit a 32-bit float (beyond its range, or so small that it
// would become 0) is invalid too.
std::optional<float> ParseReal(QByteArrayView field);

// Text of a field: UTF-8 where the bytes are valid UTF-8, otherwise
// Windows-1252, so files written on either kind of system read correctly.
QString DecodeText(QByteArrayView field);
