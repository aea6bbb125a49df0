// Decoding the picture of one cell of a thumbnail page: the picture's
// thumbnail file is made or renewed, then the thumbnail (when there is one)
// or else the picture itself is decoded no larger than the cell shows it.
// Plain work without widgets or program state, so it runs on worker threads.
#pragma once

#include "browse/thumbnail_files.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

struct PageDecodeRequest {
    QString path;                 // the picture
    QString thumbnail;            // its thumbnail path (ThumbnailPath)
    QSize box;                    // the cell's usable picture box
    int limitPercent = 0;         // the enlargement limit
    bool useThumbnail = true;     // make or renew the thumbnail and show it
    bool ignoreDrive = false;     // thumbnails on any drive (a batch that chose its folder)
    ThumbnailOptions options;     // taken on the window's thread
};

struct PageDecodeResult {
    bool ok = false;
    QImage image;                 // decoded for the box
    QSize trueSize;               // the shown file's own size
    bool fromThumbnail = false;
    QString kind;                 // the load failure's kind (see ClassifyLoadError)
};

PageDecodeResult DecodePageCell(const PageDecodeRequest& request);

// The order to start the cells' decodes in: the costliest first, judged by
// the size of the file each decodes (its thumbnail file when it has one and
// may show it, else the picture); equal costs keep their order.
std::vector<size_t> PageDecodeOrder(const std::vector<PageDecodeRequest>& requests);
