#pragma once

// Conversions between field text and numbers. Texts are UTF-8; the parsers
// compare single bytes, so a non-ASCII character never matches anything. They
// never depend on the process locale, only on DecimalSeparator().
#include "numtext/formatnumber.h"
#include "numtext/parsedouble.h"
#include "numtext/parseint.h"
#include "numtext/truncate.h"
