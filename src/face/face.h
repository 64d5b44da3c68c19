#pragma once

#include "face/contourslider.h"
#include "face/drawingsurface.h"
#include "face/facefields.h"
#include "face/facelandmarks.h"
#include "face/faceparams.h"
#include "face/judgement.h"
#include "face/judgementdetails.h"
#include "face/judgementrange.h"
#include "face/landmark.h"
#include "face/overlay.h"
#include "face/pictureaccess.h"
#include "face/wizsteps.h"
