#pragma once

#include <QWidget>

// A page of the tab control that builds its panels when it is first shown,
// so that a page nobody opens costs nothing at start-up.
class LazyPage : public QWidget
{
    Q_OBJECT
public:
    explicit LazyPage(QWidget *parent = nullptr) : QWidget(parent) {}

    // Builds the page's panels unless that has happened.
    void ensurePanels();
    bool hasPanels() const { return m_panelsBuilt; }
    void setVisible(bool visible) override;
    // A page that builds its panels when first shown asks for no room until
    // then: measuring it would lay out texts nobody has seen yet.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    virtual void buildPanels() {}
    // For a page that is shown under another panel long before anyone sees
    // it: its panels are built when ensurePanels() asks, not when it shows.
    void buildPanelsWhenAsked() { m_buildWhenShown = false; }

private:
    bool m_panelsBuilt = false;
    bool m_buildWhenShown = true;
};
