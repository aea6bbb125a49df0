#include "app/menu_style.h"

#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <gtest/gtest.h>

#include <memory>

namespace {

template <typename Option>
QImage drawn(const QStyle& style, QStyle::PrimitiveElement element, const Option& option)
{
    QImage image(40, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xB9, 0xD3, 0xEE));
    QPainter painter(&image);
    style.drawPrimitive(element, &option, &painter);
    return image;
}

int largestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)})
                largest = std::max(largest, std::abs(d));
        }
    return largest;
}

} // namespace

// The program's style draws line-edit frames and check boxes from pixmaps it
// keeps: each state still looks as the base style draws it, also when a
// pixmap of another state of the same size is already kept.
TEST(CachedStylePrimitives, EachStateLooksAsTheBaseStyleDrawsIt)
{
    MenuProxyStyle style;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette = fusion->standardPalette();
    const QStyle::State states[] = {QStyle::State_Enabled, QStyle::State_Enabled | QStyle::State_HasFocus,
                                    QStyle::State_None, QStyle::State_Enabled | QStyle::State_On,
                                    QStyle::State_Enabled | QStyle::State_On | QStyle::State_Sunken};
    for (int round = 0; round < 2; ++round)
        for (const QStyle::State state : states) {
            QStyleOptionFrame frame;
            frame.rect = QRect(3, 4, 30, 20);
            frame.state = state;
            frame.palette = palette;
            frame.lineWidth = 1;
            const QImage ownFrame = drawn(style, QStyle::PE_FrameLineEdit, frame);
            EXPECT_LE(largestDifference(ownFrame, drawn(*fusion, QStyle::PE_FrameLineEdit, frame)), 2)
                << round << " " << int(state);
            QStyleOptionButton box;
            box.rect = QRect(5, 5, 13, 13);
            box.state = state;
            box.palette = palette;
            const QImage ownBox = drawn(style, QStyle::PE_IndicatorCheckBox, box);
            EXPECT_LE(largestDifference(ownBox, drawn(*fusion, QStyle::PE_IndicatorCheckBox, box)), 2)
                << round << " " << int(state);
        }
    // Another colour is another look.
    palette.setColor(QPalette::Base, Qt::yellow);
    QStyleOptionButton box;
    box.rect = QRect(5, 5, 13, 13);
    box.state = QStyle::State_Enabled;
    box.palette = palette;
    EXPECT_LE(largestDifference(drawn(style, QStyle::PE_IndicatorCheckBox, box),
                                drawn(*fusion, QStyle::PE_IndicatorCheckBox, box)),
              2);
}
