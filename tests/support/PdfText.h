#pragma once
// A PDF read back with pdftotext (poppler-utils). PdfText() folds the text with Unicode NFKC, so a
// ligature glyph some font shaped ("ﬁ", U+FB01) reads as its letters again and a comparison holds
// whatever fonts the machine has; PdfTextAsWritten() is what a reader's search sees.
#include <QProcess>
#include <QString>
#include <QStringList>

// The text, each page ended by a form feed; "-layout" keeps a row's columns on one line.
inline QString PdfTextAsWritten(const QString& pdf, const QStringList& options = {"-layout"})
{
    QProcess p;
    p.start("pdftotext", QStringList(options) << pdf << "-");
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString PdfText(const QString& pdf, const QStringList& options = {"-layout"})
{
    return PdfTextAsWritten(pdf, options).normalized(QString::NormalizationForm_KC);
}

// The pages of PdfText(), without the empty piece after the last form feed.
inline QStringList PdfPages(const QString& pdf)
{
    QStringList pages = PdfText(pdf).split(QChar(u'\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}
