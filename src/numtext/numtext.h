#pragma once

#include "numtext/decimalseparator.h"
#include "numtext/failure.h"
#include "numtext/floatsettings.h"
#include "numtext/numbertext.h"
#include "numtext/real.h"
