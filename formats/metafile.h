// Windows metafiles: EMF through libemf2svg and WMF through libwmf, both
// turned into SVG and drawn with Qt SVG at the size they are shown at.
// The record structure is checked first, so a damaged file is refused
// before either library walks it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

struct MetafileSvg {
    QByteArray svg;
    QSize trueSize; // the picture's own size in screen pixels (96 per inch)
};

// Checks the EMF header and record chain; throws EMetafileError when they
// do not hold together. Returns the picture size from the header.
QSize CheckEmfStructure(const QByteArray& bytes);
// Checks the WMF headers (placeable or not) and record chain likewise.
// Returns the size from the placeable header, or an empty size without one.
QSize CheckWmfStructure(const QByteArray& bytes);

MetafileSvg EmfToSvg(const QByteArray& bytes);
MetafileSvg WmfToSvg(const QByteArray& bytes);

// Draws an SVG document into a white-backed image of the given size.
// Throws EMetafileError when Qt cannot read the document.
QImage RenderSvgToImage(const QByteArray& svg, QSize size);
