#pragma once

// The picture library: loading a picture file by its extension into a bitmap
// (which can be drawn on), an icon or a metafile; photos imported as bitmap
// working copies.
#include "picture/bmp/bitmapreader.h"
#include "picture/core/picture.h"
#include "picture/icon/iconfile.h"
#include "picture/metafile/metafile.h"
#include "picture/photo/photoimport.h"
#include "picture/pictureloader.h"
#include "picture/raster/blankraster.h"
