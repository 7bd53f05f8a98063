#pragma once
// One column of a grid view: the field it shows, its caption (the field name when empty), its
// place (band, visibility, width) and its behaviour (read-only, focusable, check box, lookup).
// The column's object name is the designer name windows look it up by.

#include "GridBand.h"
#include "GridStyle.h"
#include "RowSource.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <optional>

namespace custos::grid {


class GridColumn : public QObject
{
    Q_OBJECT
public:
    GridColumn(const QString& fieldName, const QString& caption, QObject* parent = nullptr);

    QString fieldName() const { return m_fieldName; }
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // What the header shows: the caption, or the field name when the caption is empty.
    QString headerText() const;

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    int width() const { return m_width; }
    void setWidth(int width);
    bool isMovable() const { return m_movable; }
    void setMovable(bool movable);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    bool canFocus() const { return m_canFocus; }
    void setCanFocus(bool canFocus);

    Qt::Alignment headerAlignment() const { return m_headerAlignment; }
    void setHeaderAlignment(Qt::Alignment alignment);
    // Unset: numbers to the right, everything else to the left.
    std::optional<Qt::Alignment> alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

    const GridStyle& contentStyle() const { return m_contentStyle; }
    void setContentStyle(const GridStyle& style);
    const GridStyle& headerStyle() const { return m_headerStyle; }
    void setHeaderStyle(const GridStyle& style);
    const GridStyle& footerStyle() const { return m_footerStyle; }
    void setFooterStyle(const GridStyle& style);

    GridBand* band() const { return m_band; }
    void setBand(GridBand* band);

    // Check box over a field: the values stored for checked and unchecked. A click is posted at once.
    bool isCheckBox() const { return m_checkBox; }
    void setCheckBox(const QVariant& checkedValue = 1, const QVariant& uncheckedValue = 0);
    QVariant checkedValue() const { return m_checkedValue; }
    QVariant uncheckedValue() const { return m_uncheckedValue; }
    bool isChecked(const QVariant& value) const;

    // Lookup: the cell stores a key of the list's keyField and shows the list's listField.
    void setLookup(RowSource* list, const QString& keyField, const QString& listField);
    bool isLookup() const { return m_lookup != nullptr; }
    QString lookupText(const QVariant& key) const;

    // The source field index this column shows (set by the model when the source changes).
    int fieldIndex() const { return m_fieldIndex; }
    void setFieldIndex(int field) { m_fieldIndex = field; }

Q_SIGNALS:
    // Anything that changes the look or the layout.
    void changed();
    // Anything that changes the texts shown (lookup list reloaded).
    void textsChanged();

private:
    static QString lookupKey(const QVariant& value);

    QString m_fieldName;
    QString m_caption;
    bool m_visible = true;
    int m_width = 64;
    bool m_movable = true;
    bool m_readOnly = false;
    bool m_canFocus = true;
    Qt::Alignment m_headerAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    std::optional<Qt::Alignment> m_alignment;
    GridStyle m_contentStyle;
    GridStyle m_headerStyle;
    GridStyle m_footerStyle;
    QPointer<GridBand> m_band;
    bool m_checkBox = false;
    QVariant m_checkedValue;
    QVariant m_uncheckedValue;
    QPointer<RowSource> m_lookup;
    QString m_lookupKeyField;
    QString m_lookupListField;
    mutable QHash<QString, QString> m_lookupTexts;
    mutable bool m_lookupLoaded = false;
    int m_fieldIndex = -1;
};

} // namespace custos::grid
