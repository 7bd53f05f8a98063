#include "DataSet.h"

#include "DataError.h"
#include "Result.h"

#include <algorithm>

namespace custos::data {

namespace {

// The kinds a declared field accepts from the connection's columns.
bool accepts(FieldKind declared, FieldKind column)
{
    switch (storageKindOf(declared)) {
    case StorageKind::Float:
    case StorageKind::Integer:
        return storageKindOf(column) == StorageKind::Float || storageKindOf(column) == StorageKind::Integer;
    case StorageKind::Timestamp:
        return column == FieldKind::Timestamp;
    case StorageKind::Text:
        break;
    }
    return true; // a text field takes any column as the server writes it
}

} // namespace

DataSet::DataSet(QObject* parent)
    : QObject(parent)
{
}

DataSet::~DataSet() = default;

Field& DataSet::declareField(const QString& name, FieldKind kind, int width)
{
    if (isActive())
        throw DataError(QStringLiteral("%1: campos só podem ser declarados com o conjunto de dados fechado.").arg(objectName()));
    if (findField(name))
        throw DataError(QStringLiteral("%1: campo '%2' declarado duas vezes.").arg(objectName(), name));
    auto field = std::make_unique<Field>(*this, name, kind, true);
    field->setWidth(width);
    field->m_index = int(m_fields.size());
    Field& result = *field;
    m_fieldsByName.insert(name.toUpper(), field.get());
    m_fields.push_back(std::move(field));
    return result;
}

Field* DataSet::findField(const QString& name) const
{
    return m_fieldsByName.value(name.toUpper(), nullptr);
}

Field& DataSet::fieldByName(const QString& name) const
{
    Field* field = findField(name);
    if (!field)
        throw DataError(QStringLiteral("%1: campo '%2' não encontrado.").arg(objectName(), name));
    return *field;
}

int DataSet::fieldColumn(const QString& name) const
{
    const Field* field = findField(name);
    return field ? field->index() : -1;
}

void DataSet::checkActive() const
{
    if (!isActive())
        throw DataError(QStringLiteral("%1: operação não permitida com o conjunto de dados fechado.").arg(objectName()));
}

// ---- opening and closing

void DataSet::openWith(const std::function<session::Result()>& fetch)
{
    if (isActive())
        return;
    if (m_beforeOpen)
        m_beforeOpen(*this);
    replaceRows(fetch());
    if (m_afterOpen)
        m_afterOpen(*this);
    if (!isEmpty() && m_afterScroll)
        m_afterScroll(*this);
}

void DataSet::arrangeFields(const session::Result& result, std::vector<FieldKind>& kinds, std::vector<int>& sources)
{
    // Every declared field must be in the result; the others follow the result's columns.
    for (const auto& field : m_fields) {
        if (!field->isDeclared())
            continue;
        const int column = result.indexOf(field->name());
        if (column < 0)
            throw DataError(QStringLiteral("%1: campo '%2' não encontrado.").arg(objectName(), field->name()));
        if (!accepts(field->kind(), result.column(column).kind))
            throw DataError(QStringLiteral("%1: tipo incompatível para o campo '%2'.").arg(objectName(), field->name()));
    }
    std::vector<std::unique_ptr<Field>> arranged;
    QHash<QString, Field*> byName;
    for (int c = 0; c < result.columnCount(); ++c) {
        const session::ColumnInfo& info = result.column(c);
        const QString key = info.name.toUpper();
        if (byName.contains(key))
            continue; // a repeated column name reads the first of them
        std::unique_ptr<Field> field;
        for (auto& existing : m_fields) {
            if (existing && existing->name().compare(info.name, Qt::CaseInsensitive) == 0
                && (existing->isDeclared() || existing->kind() == info.kind)) {
                field = std::move(existing);
                break;
            }
        }
        if (!field)
            field = std::make_unique<Field>(*this, info.name, info.kind, false);
        if (!field->isDeclared() || field->width() == 0)
            field->setWidth(info.width); // a declared width stands
        field->m_index = int(arranged.size());
        kinds.push_back(field->kind());
        sources.push_back(c);
        byName.insert(key, field.get());
        arranged.push_back(std::move(field));
    }
    m_fields = std::move(arranged);
    m_fieldsByName = std::move(byName);
}

void DataSet::replaceRows(session::Result result)
{
    const bool wasActive = isActive();
    const int previousCount = recordCount();
    std::vector<QString> previousNames;
    for (const auto& field : m_fields)
        previousNames.push_back(field->name());

    RecordStore loaded;
    std::vector<int> view;
    try {
        std::vector<FieldKind> kinds;
        std::vector<int> sources;
        arrangeFields(result, kinds, sources);
        loaded.reset(kinds);
        loaded.load(result, sources);
        const auto columnOf = [this](const QString& name) { return fieldColumn(name); };
        if (filterActive())
            m_filterExpression.bind(columnOf, loaded);
        bindExpressions(loaded);
        if (filterActive())
            view = visibleRows(loaded, &m_filterExpression);
    } catch (...) {
        close(); // the fields may no longer match the rows held
        throw;
    }
    const int newCount = filterActive() ? int(view.size()) : loaded.rowCount();

    bool sameShape = wasActive && newCount == previousCount && previousNames.size() == m_fields.size();
    for (std::size_t i = 0; sameShape && i < m_fields.size(); ++i)
        sameShape = previousNames[i] == m_fields[i]->name();

    if (!sameShape)
        Q_EMIT aboutToReset();
    m_store = std::move(loaded);
    m_view = std::move(view);
    m_filtering = filterActive();
    m_editBuffer.clear();
    const State previousState = m_state;
    m_state = State::Browse;
    // A re-read keeps the record number where it can; an open starts at the first record.
    m_position = newCount == 0 ? -1 : (wasActive ? std::clamp(m_position, 0, newCount - 1) : 0);
    m_bof = true;
    m_eof = newCount == 0;
    storeChanged();
    if (sameShape) {
        if (newCount > 0)
            Q_EMIT rowsChanged(0, newCount - 1);
    } else {
        Q_EMIT reset();
    }
    if (previousState != m_state)
        Q_EMIT stateChanged();
}

void DataSet::close()
{
    if (!isActive())
        return;
    Q_EMIT aboutToReset();
    m_store = RecordStore();
    m_view.clear();
    m_filtering = false;
    m_editBuffer.clear();
    m_changes.clear();
    m_position = -1;
    m_bof = m_eof = true;
    m_state = State::Inactive;
    storeChanged();
    Q_EMIT reset();
    Q_EMIT stateChanged();
}

// ---- navigation

int DataSet::recordCount() const
{
    if (!isActive())
        return 0;
    return m_filtering ? int(m_view.size()) : m_store.rowCount();
}

void DataSet::setPosition(int position, bool notify)
{
    const bool moved = position != m_position;
    m_position = position;
    if (moved && notify) {
        Q_EMIT scrolled();
        if (m_afterScroll)
            m_afterScroll(*this);
    }
}

void DataSet::checkBrowseMode()
{
    checkActive();
    if (m_state == State::Edit)
        post();
}

void DataSet::first()
{
    checkBrowseMode();
    setPosition(isEmpty() ? -1 : 0);
    m_bof = true;
    m_eof = isEmpty();
}

void DataSet::last()
{
    checkBrowseMode();
    setPosition(recordCount() - 1);
    m_eof = true;
    m_bof = isEmpty();
}

void DataSet::next()
{
    checkBrowseMode();
    m_bof = false;
    if (m_position + 1 >= recordCount()) {
        m_eof = true;
        return;
    }
    m_eof = false;
    setPosition(m_position + 1);
}

void DataSet::prior()
{
    checkBrowseMode();
    m_eof = false;
    if (m_position <= 0) {
        m_bof = true;
        return;
    }
    m_bof = false;
    setPosition(m_position - 1);
}

void DataSet::setRecNo(int recNo)
{
    checkBrowseMode();
    if (recNo < 1 || recNo > recordCount())
        throw DataError(QStringLiteral("%1: registro %2 inexistente.").arg(objectName()).arg(recNo));
    m_bof = m_eof = false;
    setPosition(recNo - 1);
}

bool DataSet::locate(const QString& fieldName, const QVariant& value)
{
    checkBrowseMode();
    const Field& field = fieldByName(fieldName);
    const QVariant wanted = field.convert(value);
    const int rows = recordCount();
    for (int r = 0; r < rows; ++r) {
        if (m_store.value(storeRow(r), field.index()) == wanted) {
            m_bof = m_eof = false;
            setPosition(r);
            return true;
        }
    }
    return false;
}

// ---- filter

std::vector<int> DataSet::visibleRows(const RecordStore& store, const Expression* filter) const
{
    std::vector<int> rows;
    for (int r = 0; r < store.rowCount(); ++r) {
        if (filter->matches(store, r))
            rows.push_back(r);
    }
    return rows;
}

void DataSet::setFilter(const QString& expression)
{
    Expression parsed = Expression::parse(expression, Expression::Context::Filter);
    if (isActive() && m_filtered)
        parsed.bind([this](const QString& name) { return fieldColumn(name); }, m_store);
    m_filterText = expression;
    m_filterExpression = std::move(parsed);
    if (isActive() && m_filtered)
        applyFilter();
}

void DataSet::setFiltered(bool filtered)
{
    if (filtered == m_filtered)
        return;
    if (filtered && isActive())
        m_filterExpression.bind([this](const QString& name) { return fieldColumn(name); }, m_store);
    m_filtered = filtered;
    if (isActive())
        applyFilter();
}

void DataSet::applyFilter()
{
    checkBrowseMode();
    const int currentRow = m_position >= 0 ? storeRow(m_position) : -1;
    Q_EMIT aboutToReset();
    m_filtering = filterActive();
    m_view = m_filtering ? visibleRows(m_store, &m_filterExpression) : std::vector<int>();
    int position = recordCount() > 0 ? 0 : -1;
    if (currentRow >= 0) {
        if (!m_filtering) {
            position = currentRow;
        } else {
            const auto found = std::find(m_view.begin(), m_view.end(), currentRow);
            if (found != m_view.end())
                position = int(found - m_view.begin());
        }
    }
    const bool moved = position < 0 ? currentRow >= 0 : storeRow(position) != currentRow;
    m_position = position;
    m_bof = true;
    m_eof = position < 0;
    Q_EMIT reset();
    if (moved) {
        Q_EMIT scrolled();
        if (m_afterScroll && position >= 0)
            m_afterScroll(*this);
    }
}

// ---- editing

void DataSet::edit()
{
    checkActive();
    if (!canModify())
        throw DataError(QStringLiteral("%1: não é possível modificar um conjunto de dados somente leitura.").arg(objectName()));
    if (m_state == State::Edit)
        return;
    if (m_position < 0)
        throw DataError(QStringLiteral("%1: não há registro para editar.").arg(objectName()));
    m_editBuffer = m_store.rowValues(storeRow(m_position));
    m_state = State::Edit;
    Q_EMIT stateChanged();
}

void DataSet::setBeforePost(const QString& rule, Handler handler)
{
    m_beforePostRule = handler ? rule : QString();
    m_beforePost = std::move(handler);
}

void DataSet::setAfterPost(const QString& rule, Handler handler)
{
    m_afterPostRule = handler ? rule : QString();
    m_afterPost = std::move(handler);
}

void DataSet::post()
{
    checkActive();
    if (m_state != State::Edit)
        return;
    if (m_beforePost)
        m_beforePost(*this);
    const int row = storeRow(m_position);
    bool changed = false;
    for (int c = 0; c < m_store.columnCount(); ++c) {
        if (m_store.value(row, c) == m_editBuffer[std::size_t(c)])
            continue;
        if (!changed && !m_changes.count(row))
            m_changes[row].original = m_store.rowValues(row);
        changed = true;
        m_store.setValue(row, c, m_editBuffer[std::size_t(c)]);
    }
    m_editBuffer.clear();
    m_state = State::Browse;
    if (changed) {
        storeChanged();
        Q_EMIT rowsChanged(m_position, m_position);
    }
    Q_EMIT stateChanged();
    if (changed && m_filtering && !m_filterExpression.matches(m_store, row))
        applyFilter();
    if (m_afterPost)
        m_afterPost(*this);
}

void DataSet::cancel()
{
    if (m_state != State::Edit)
        return;
    m_editBuffer.clear();
    m_state = State::Browse;
    Q_EMIT rowsChanged(m_position, m_position);
    Q_EMIT stateChanged();
}

bool DataSet::isPendingValue(int row, int column) const
{
    const auto change = m_changes.find(storeRow(row));
    return change != m_changes.end() && change->second.original[std::size_t(column)] != m_store.value(change->first, column);
}

QVariant DataSet::value(int row, int column) const
{
    if (m_state == State::Edit && row == m_position)
        return m_editBuffer[std::size_t(column)];
    return m_store.value(storeRow(row), column);
}

QVariant DataSet::currentValue(int column) const
{
    if (m_position < 0)
        return {};
    return value(m_position, column);
}

void DataSet::setCurrentValue(int column, const QVariant& value)
{
    checkActive();
    if (!canModify())
        throw DataError(QStringLiteral("%1: não é possível modificar um conjunto de dados somente leitura.").arg(objectName()));
    if (m_state != State::Edit)
        throw DataError(QStringLiteral("%1: o conjunto de dados não está em modo de edição.").arg(objectName()));
    m_editBuffer[std::size_t(column)] = field(column).convert(value);
    Q_EMIT rowsChanged(m_position, m_position);
}

} // namespace custos::data
