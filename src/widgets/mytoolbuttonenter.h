#pragma once

#include <QToolButton>

#include <functional>

// A device tile of the selection page. Entering it with the pointer asks
// the page to refresh the tile: the index is the object name ("btn" and the
// tile's device index) with every "btn" removed, 0 when no number is left.
// The page is reached through a handler it installs, so the controls do not
// depend on the pages.
class mytoolButtonEnter : public QToolButton
{
    Q_OBJECT
public:
    using HoverHandler = std::function<void(int tileIndex)>;

    explicit mytoolButtonEnter(QWidget *parent = nullptr);
    ~mytoolButtonEnter() override;

    // One handler for every tile; an empty one turns hovering off.
    static void setHoverHandler(HoverHandler handler);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
};
