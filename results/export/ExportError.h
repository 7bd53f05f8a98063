#pragma once
// A workbook export that could not be completed; what() is the Portuguese message (UTF-8) the
// user is shown.

#include <QString>
#include <stdexcept>

namespace custos::results {

class ExportError : public std::runtime_error
{
public:
    explicit ExportError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

} // namespace custos::results
