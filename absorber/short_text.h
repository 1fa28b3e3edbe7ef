// Texts of library records: fixed capacity of 255 characters, cut when longer.
#pragma once

#include <QString>

// The first maxCharacters characters of text. A character is a Unicode code
// point, so a cut never splits a surrogate pair.
QString CutToCharacters(const QString &text, qsizetype maxCharacters);

// A text that never holds more than 255 characters: whatever is assigned is
// cut to its first 255. Reads as a QString.
class ShortText
{
public:
    static constexpr qsizetype kCapacity = 255;

    ShortText() = default;
    ShortText(const QString &text) : text_(CutToCharacters(text, kCapacity)) { } // NOLINT: implicit on purpose
    ShortText(const char *utf8) : ShortText(QString::fromUtf8(utf8)) { }         // NOLINT

    const QString &str() const { return text_; }
    operator const QString &() const { return text_; } // NOLINT: reads as a QString
    bool isEmpty() const { return text_.isEmpty(); }
    void clear() { text_.clear(); }

    friend bool operator==(const ShortText &, const ShortText &) = default;

private:
    QString text_;
};
