#pragma once

#include "face/drawingsurface.h"

#include <QImage>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

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

    // Bitmaps: the one surface of this picture. Icons and metafiles throw
    // "ﾋﾞｯﾄﾏｯﾌﾟを持っている時のみｲﾒｰｼﾞの変更が可能です".
    virtual DrawingSurface& GetDrawingSurface();

    // Called after every LineTo and Ellipse on this picture's surface.
    void SetChangeNotice(std::function<void()> notice) { changeNotice_ = std::move(notice); }

protected:
    Picture(PictureKind kind, int width, int height);
    void NotifyChanged() const;

private:
    // A reload hands the view's notice on to the picture that replaces this one.
    friend void ReloadPictureFile(const std::string& fileName, std::unique_ptr<Picture>& current);

    PictureKind kind_;
    int width_;
    int height_;
    std::function<void()> changeNotice_;
};

// Every rule of loading a file by its extension, except replacing the view's
// picture. Throws Failure with the user-facing message.
std::unique_ptr<Picture> LoadPictureFile(const std::string& fileName);

// The redraw path's load: on success `current` holds the new picture (its
// memory may be reused when size and format match) with the change notice the
// old one had; on failure `current` is left exactly as it was.
void ReloadPictureFile(const std::string& fileName, std::unique_ptr<Picture>& current);

// A white raster in the display's format.
std::unique_ptr<Picture> MakeBlankRaster(int width, int height);

// The readers of each kind, given the file's whole content.
std::unique_ptr<Picture> ReadBitmapFile(std::span<const std::uint8_t> bytes);
std::unique_ptr<Picture> ReadIconFile(std::span<const std::uint8_t> bytes);
std::unique_ptr<Picture> ReadMetafileFile(std::span<const std::uint8_t> bytes);

} // namespace quorvel
