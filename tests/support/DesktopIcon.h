#pragma once
// A program's window icon held to the drawing its desktop entry names (data/applications and
// data/icons in the source folder): the colour inside each filled shape of the SVG.
#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPoint>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <vector>

// `inside` holds a point inside each filled shape, in the drawing's order and 64 x 64 units.
inline void ExpectIconIsTheDesktopEntrys(const QIcon& icon, const QString& program, const std::vector<QPoint>& inside)
{
    const QString source = qEnvironmentVariable("QM_SOURCE_DIR") + "/data/";
    QFile entry(source + "applications/" + program + ".desktop");
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly)) << entry.fileName().toStdString();
    const QRegularExpressionMatch name = QRegularExpression("^Icon=(.+)$", QRegularExpression::MultilineOption)
                                             .match(QString::fromUtf8(entry.readAll()));
    ASSERT_TRUE(name.hasMatch());
    QFile svg(source + "icons/" + name.captured(1).trimmed() + ".svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << svg.fileName().toStdString();
    QStringList fills;
    QXmlStreamReader xml(&svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.attributes().hasAttribute("fill")
            && xml.attributes().value("fill") != QLatin1String("none"))
            fills << xml.attributes().value("fill").toString();
    ASSERT_GE(fills.size(), static_cast<qsizetype>(inside.size()));

    ASSERT_FALSE(icon.isNull());
    const QImage drawn = icon.pixmap(64, 64).toImage();
    ASSERT_EQ(drawn.size(), QSize(64, 64));
    for (std::size_t i = 0; i < inside.size(); ++i)
        EXPECT_EQ(drawn.pixelColor(inside[i]).name(), QColor(fills[static_cast<qsizetype>(i)]).name()) << "shape " << i;
}
