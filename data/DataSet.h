#pragma once
// What every dataset shares: the fields, the rows (fetched all at once into a RecordStore), the
// current record and navigation, the client-side filter, editing (edit, post, cancel) with the
// change log of rows posted since they were read, the read-only state, and the events.
//
// Navigation and record numbers work on the visible rows (all rows, or those the active filter
// passes); record numbers start at 1 and are 0 when there is no record. Moving off a record
// that is being edited posts it first, as closing cancels it.
//
// Events are plain handlers (one per event, replaced by the next set): the data module's save
// rules hang on after-post and raise exceptions freely, which must reach the caller of post().
// Bound views follow the Qt signals below.

#include "Field.h"
#include "RecordStore.h"
#include "Expression.h"

#include <QObject>
#include <QHash>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace custos::session {
class Result;
}

namespace custos::data {

class DataSet : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit };
    using Handler = std::function<void(DataSet&)>;

    explicit DataSet(QObject* parent = nullptr);
    ~DataSet() override;

    // A persistent field, declared before opening: its kind is the one the dataset keeps (the
    // column is converted to it), and opening fails when the result has no column of its name.
    // Columns that no declaration names become fields of the kind the connection reports.
    Field& declareField(const QString& name, FieldKind kind, int width = 0);

    // Runs the statement and fetches every row; an open dataset stays as it is. A failure
    // leaves the dataset closed and raises the error.
    virtual void open() = 0;
    void close();
    bool isActive() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    int fieldCount() const { return int(m_fields.size()); }
    Field& field(int index) const { return *m_fields[std::size_t(index)]; }
    Field* findField(const QString& name) const; // case-insensitive, nullptr when absent
    Field& fieldByName(const QString& name) const; // raises DataError when absent

    int recordCount() const;
    bool isEmpty() const { return recordCount() == 0; }
    int recNo() const { return m_position + 1; }
    void setRecNo(int recNo); // raises DataError outside 1..recordCount()
    void first();
    void last();
    void next(); // at the last record: stays and sets eof()
    void prior(); // at the first record: stays and sets bof()
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    // Moves to the first visible record whose field equals value (converted to the field's
    // kind); false, not moving, when there is none.
    bool locate(const QString& fieldName, const QVariant& value);

    // Client-side filter (expression syntax in Expression.h), applied while filtered() is on.
    void setFilter(const QString& expression);
    QString filter() const { return m_filterText; }
    void setFiltered(bool filtered);
    bool isFiltered() const { return m_filtered; }

    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }
    virtual bool canModify() const { return !m_readOnly; }

    void edit();
    // Runs before-post (which may raise to keep the record in edit state), stores the record,
    // logs its values as read when it is first changed, then runs after-post.
    void post();
    void cancel();
    int changeCount() const { return int(m_changes.size()); }
    // Whether a visible row (0-based) holds, in a column, a posted value not saved yet.
    bool isPendingValue(int row, int column) const;

    void setBeforeOpen(Handler handler) { m_beforeOpen = std::move(handler); }
    void setAfterOpen(Handler handler) { m_afterOpen = std::move(handler); }
    void setAfterScroll(Handler handler) { m_afterScroll = std::move(handler); }
    // The post handlers run the rules that check and save a row; each is set with the name of
    // its rule, which the dataset reports (empty while none is set), so that what is wired to a
    // dataset can be told from what it should be.
    void setBeforePost(const QString& rule, Handler handler);
    void setAfterPost(const QString& rule, Handler handler);
    const QString& beforePostRule() const { return m_beforePostRule; }
    const QString& afterPostRule() const { return m_afterPostRule; }

    // Any visible row (0-based), for views; the record being edited reads from its edit buffer.
    QVariant value(int row, int column) const;
    QString displayText(int row, int column) const { return field(column).displayTextOf(value(row, column)); }
    QString editText(int row, int column) const { return field(column).editTextOf(value(row, column)); }
    // The current record's value of a column (NULL without a current record).
    QVariant currentValue(int column) const;
    void setCurrentValue(int column, const QVariant& value); // value converted by the field

    // Bytes held by the rows (not the fields or the change log).
    std::size_t memoryUsage() const { return m_store.memoryUsage(); }

Q_SIGNALS:
    void aboutToReset(); // the rows are about to be replaced (open, close, refresh, filter)
    void reset();
    void rowsChanged(int firstRow, int lastRow); // values of visible rows changed
    void scrolled(); // the current record moved
    void stateChanged();
    void pendingChanged(); // rows of the change log were saved

protected:
    // Fetches the rows of the result into the dataset (open and re-read).
    void openWith(const std::function<session::Result()>& fetch);
    void replaceRows(session::Result result);
    const RecordStore& store() const { return m_store; }
    int fieldColumn(const QString& name) const; // -1 when absent
    // Called whenever stored values change; aggregates hang on it.
    virtual void storeChanged() {}
    // Binds the subclass's expressions to the columns of a freshly loaded store (may raise).
    virtual void bindExpressions(const RecordStore&) {}

    struct Change
    {
        std::vector<QVariant> original; // the row as read
        QString error;                  // why the last save refused it
    };
    std::map<int, Change>& changes() { return m_changes; } // by stored row, in row order
    const std::map<int, Change>& changes() const { return m_changes; }
    QVariant storedValue(int storeRow, int column) const { return m_store.value(storeRow, column); }

private:
    void checkActive() const;
    void setPosition(int position, bool notify = true);
    void checkBrowseMode();
    int storeRow(int row) const { return m_filtering ? m_view[std::size_t(row)] : row; }
    bool filterActive() const { return m_filtered && !m_filterExpression.isEmpty(); }
    std::vector<int> visibleRows(const RecordStore& store, const Expression* filter) const;
    void applyFilter(); // rebuilds the visible rows after a filter change
    void arrangeFields(const session::Result& result, std::vector<FieldKind>& kinds, std::vector<int>& sources);

    std::vector<std::unique_ptr<Field>> m_fields;
    QHash<QString, Field*> m_fieldsByName; // upper-case names
    RecordStore m_store;
    State m_state = State::Inactive;
    int m_position = -1;
    bool m_bof = true;
    bool m_eof = true;
    bool m_readOnly = false;

    QString m_filterText;
    Expression m_filterExpression;
    bool m_filtered = false;
    bool m_filtering = false; // m_view holds the visible rows
    std::vector<int> m_view;

    std::vector<QVariant> m_editBuffer;
    std::map<int, Change> m_changes;

    Handler m_beforeOpen;
    Handler m_afterOpen;
    Handler m_beforePost;
    Handler m_afterPost;
    QString m_beforePostRule;
    QString m_afterPostRule;
    Handler m_afterScroll;
};

} // namespace custos::data
