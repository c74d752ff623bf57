#pragma once

#include "workflows/BlogPageWorkflow.h"

#include <QWidget>

class LimitedLineEdit;
class QCheckBox;

// The "Blog" page of the blog preferences: the Blog URL, title, subtitle
// and whether the blog shows on the service's site.
class CBlogPage : public QWidget {
    Q_OBJECT

public:
    CBlogPage(BlogPageWorkflow& workflow, QWidget* parent);

    BlogPageWorkflow::Controls ReadControls() const;
    QWidget* Field(int field) const;

private:
    LimitedLineEdit* m_url;
    LimitedLineEdit* m_title;
    LimitedLineEdit* m_subtitle;
    QCheckBox* m_showOnWeb;
};
