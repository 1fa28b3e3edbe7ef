// A vector picture of the graph, drawn by TVexplot::DrawToMetafile and then
// saved by the application. It holds SVG or PDF; the creator text and the
// caller's description go into the file's metadata.
#pragma once

#include <QByteArray>
#include <QString>

enum class TMetafileFormat { Svg, Pdf };

// The format a file name asks for: PDF for ".pdf", SVG otherwise.
TMetafileFormat MetafileFormatFor(const QString &fileName);

class TMetafile
{
public:
    explicit TMetafile(TMetafileFormat format = TMetafileFormat::Svg) : format_(format) { }

    TMetafileFormat Format() const { return format_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Enhanced() const { return enhanced_; }
    void SetWidth(int v) { width_ = v; }
    void SetHeight(int v) { height_ = v; }
    void SetEnhanced(bool v) { enhanced_ = v; }

    // The file's bytes; empty until something was drawn.
    const QByteArray &Data() const { return data_; }
    void SetData(const QByteArray &data) { data_ = data; }

    // Writes the picture to a file, replacing it only when the whole file
    // was written (and never a target that is no regular file). False, with
    // the reason in `error`, when nothing was drawn or the file could not be
    // written.
    bool SaveToFile(const QString &fileName, QString *error = nullptr) const;

private:
    TMetafileFormat format_;
    int width_ = 0, height_ = 0;
    bool enhanced_ = true;
    QByteArray data_;
};
