#include "TypeMapping.h"

namespace custos::session {

namespace {

// Type oids of pg_type.h (stable across server versions).
enum : Oid {
    kBool = 16, kInt8 = 20, kInt2 = 21, kInt4 = 23, kText = 25, kOid = 26, kFloat4 = 700,
    kFloat8 = 701, kBpchar = 1042, kVarchar = 1043, kDate = 1082, kTimestamp = 1114,
    kTimestampTz = 1184, kNumeric = 1700, kName = 19
};

// Unquoted names come back folded to lower case; the program reads them in upper case, as the
// server it was written for reports them. A name with any upper-case letter was quoted: kept.
QString programName(const char* serverName)
{
    QString name = QString::fromUtf8(serverName);
    for (const QChar c : name) {
        if (c.isUpper())
            return name;
    }
    return name.toUpper();
}

FieldKind numericKind(int precision, int scale)
{
    if (precision < 0 || scale < 0 || scale >= 1)
        return FieldKind::Float;
    if (precision <= 2)
        return FieldKind::Int8;
    if (precision <= 4)
        return FieldKind::Int16;
    if (precision <= 8)
        return FieldKind::Int32;
    return FieldKind::Float;
}

} // namespace

ColumnInfo describeColumn(const PGresult* res, int column)
{
    ColumnInfo info;
    info.name = programName(PQfname(res, column));
    info.pgType = PQftype(res, column);
    const int mod = PQfmod(res, column);
    switch (info.pgType) {
    case kNumeric:
        if (mod >= 4) {
            info.precision = ((mod - 4) >> 16) & 0xffff;
            info.scale = (mod - 4) & 0x7ff;
        }
        info.kind = numericKind(info.precision, info.scale);
        break;
    case kInt2:
    case kInt4:
    case kInt8:
    case kOid:
    case kFloat4:
    case kFloat8:
        info.kind = FieldKind::Float;
        break;
    case kDate:
    case kTimestamp:
    case kTimestampTz:
        info.kind = FieldKind::Timestamp;
        break;
    case kVarchar:
    case kBpchar:
        info.kind = FieldKind::Text;
        info.width = mod >= 4 ? mod - 4 : 0;
        break;
    case kText:
    case kName:
        info.kind = FieldKind::Text;
        break;
    case kBool:
    default:
        info.kind = FieldKind::Other;
        break;
    }
    return info;
}

} // namespace custos::session
