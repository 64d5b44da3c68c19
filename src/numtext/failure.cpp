#include "numtext/failure.h"

namespace quorvel {

std::string FaultMessage(FaultKind kind) {
    switch (kind) {
    case FaultKind::DivideByZero:
        return "0 による浮動小数点数除算";
    case FaultKind::InvalidArithmetic:
        return "不正な浮動小数点数演算命令";
    case FaultKind::Overflow:
        return "浮動小数点数のｵｰﾊﾞｰﾌﾛｰ";
    }
    return {};
}

ArithmeticFault::ArithmeticFault(FaultKind kind) : Failure(FaultMessage(kind)), kind_(kind) {}

} // namespace quorvel
