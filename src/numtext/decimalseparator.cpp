#include "numtext/decimalseparator.h"

#include <langinfo.h>
#include <locale.h>

namespace quorvel {
namespace {

char separator = '.';

} // namespace

void SetDecimalSeparator(char newSeparator) {
    separator = newSeparator;
}

char DecimalSeparator() {
    return separator;
}

void RefreshDecimalSeparator() {
    // A private locale object reads the user's setting without changing the
    // process locale that printf and friends use.
    locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    char found = '.';
    if (user != static_cast<locale_t>(nullptr)) {
        const char* radix = nl_langinfo_l(RADIXCHAR, user);
        // A multi-byte separator cannot match the single bytes the parsers compare.
        if (radix != nullptr && radix[0] > 0 && static_cast<unsigned char>(radix[0]) < 0x80) {
            found = radix[0];
        }
        freelocale(user);
    }
    separator = found;
}

} // namespace quorvel
