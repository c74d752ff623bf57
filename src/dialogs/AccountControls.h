#pragma once

#include <QWidget>
#include <string_view>

#include "workflows/BlogCreation.h"

class LimitedLineEdit;

// The labelled one-line fields of the account and blog dialogs.

// A label at the left of a row and its field to the right of it, `top`
// base pixels down; a password field shows no characters.
LimitedLineEdit* AddLabelledEdit(QWidget* parent, std::string_view label, size_t limit, int top, bool password = false);

// The fields of a new blog, as "Create Blog" and the last page of the
// account wizard show them below their prompt: "Blog URL:" with the site's
// address before the field, "Title:" and "Subtitle:".
class NewBlogFieldsPanel : public QWidget {
    Q_OBJECT

public:
    explicit NewBlogFieldsPanel(QWidget* parent);

    NewBlogFields Read() const;
    void Show(const NewBlogFields& fields);
    QWidget* Field(int field) const;

private:
    LimitedLineEdit* m_url;
    LimitedLineEdit* m_title;
    LimitedLineEdit* m_subtitle;
};
