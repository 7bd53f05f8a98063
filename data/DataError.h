#pragma once

#include <QString>
#include <stdexcept>

namespace custos::data {

// An error of the dataset layer (read-only dataset, unknown field, bad value, ...). message()
// is the text the user sees.
class DataError : public std::runtime_error
{
public:
    explicit DataError(const QString& message);

    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace custos::data
