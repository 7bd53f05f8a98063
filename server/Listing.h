#pragma once
// The listing rule of the day operations' checks: the values of one column, in the order the
// query gives them, each followed by a line break (a carriage return); after the thirteenth,
// "mais..." is appended (also when no value follows) and no more are listed. The complete list
// is kept beside it, for the message's detail text.

#include <QString>

namespace custos::session {
class Result;
}

namespace custos::server {

struct Listing
{
    QString text;     // the listed values, as the message shows them
    QString complete; // every value, one a line; empty when text already holds them all
    bool isEmpty() const { return text.isEmpty(); }
};

inline constexpr int listedValues = 13;

// The values of column as text: days in the locale's short date format, numbers whole.
Listing listColumn(const session::Result& rows, int column);

} // namespace custos::server
