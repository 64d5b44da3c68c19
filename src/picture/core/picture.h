#pragma once

#include "face/drawingsurface.h"
#include "picture/core/overlaystroke.h"

#include <QImage>
#include <QRect>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quorvel {

enum class PictureKind { Bitmap, Icon, Metafile };

// A loaded picture. Only bitmaps (also the blank raster) can be drawn on.
class Picture {
public:
    virtual ~Picture();

    PictureKind Kind() const { return kind_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The pixels as the view paints them at 1:1, top row first. May be
    // transparent where the view's background should show (icons).
    virtual QImage Image() const = 0;
    // The part of Image() inside `area` (picture pixels), clipped to the
    // picture; null when nothing of it is inside.
    virtual QImage ImageOf(const QRect& area) const;
    // The picture shown at `scale` widget pixels per picture pixel, for the
    // widget pixels of `target`. A bitmap whose overlay is kept as strokes
    // shows its file's pixels here, so that the view can draw the strokes
    // over it at screen scale.
    virtual QImage ScaledImageOf(const QRect& target, double scale) const;
    // What drawing did since the picture last matched its file; none for
    // icons, metafiles and pictures that no file stands behind.
    virtual const std::vector<OverlayStroke>& Strokes() const;

    // Bitmaps: the one surface of this picture. Icons and metafiles throw
    // "ﾋﾞｯﾄﾏｯﾌﾟを持っている時のみｲﾒｰｼﾞの変更が可能です".
    virtual DrawingSurface& GetDrawingSurface();

    // Called after every LineTo and Ellipse on this picture's surface.
    void SetChangeNotice(std::function<void()> notice) { changeNotice_ = std::move(notice); }
    // The same with the area that changed (empty when nothing inside did);
    // also called for the areas a reload of an unchanged file puts back.
    void SetAreaChangeNotice(std::function<void(const QRect&)> notice) {
        areaNotice_ = std::move(notice);
    }

protected:
    Picture(PictureKind kind, int width, int height);
    void NotifyChanged(const QRect& area) const;

private:
    // A reload hands the view's notices on to the picture that replaces this one.
    friend void ReloadPictureFile(const std::string& fileName, std::unique_ptr<Picture>& current);

    PictureKind kind_;
    int width_;
    int height_;
    std::function<void()> changeNotice_;
    std::function<void(const QRect&)> areaNotice_;
};

} // namespace quorvel
