#include "measures/measures.h"

namespace measures {

RunError::RunError(ErrorKind kind, const std::string& message, std::string_view cellCode)
    : std::runtime_error(message), kind_(kind), cellCode_(cellCode)
{
}

ErrorKind RunError::kind() const { return kind_; }

std::string_view RunError::cellCode() const { return cellCode_; }

}  // namespace measures
