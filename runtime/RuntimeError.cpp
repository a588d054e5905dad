// SPDX-License-Identifier: MIT
#include "runtime/RuntimeError.h"

namespace runtime {

namespace {

std::string propertyName(std::string_view control, std::string_view property)
{
    return std::string(control) + "." + std::string(property);
}

} // namespace

RuntimeError::RuntimeError(ErrorNumber number, const std::string& description)
    : std::runtime_error(description)
    , number_(number)
{
}

RuntimeError overflowError()
{
    return {ErrorNumber::Overflow, "Desbordamiento"};
}

RuntimeError invalidPropertyValue(std::string_view control, std::string_view property)
{
    return {ErrorNumber::InvalidPropertyValue, "Valor no válido para " + propertyName(control, property)};
}

RuntimeError propertyAccessFailed(std::string_view control, std::string_view property)
{
    return {ErrorNumber::PropertyAccessFailed, "No se pudo acceder a " + propertyName(control, property)};
}

} // namespace runtime
