#include "mylineedit.h"

MyLineEdit::MyLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

MyLineEdit::~MyLineEdit() = default;

// The event stays accepted, so it is not passed on to the parent.
void MyLineEdit::keyPressEvent(QKeyEvent *)
{
}

void MyLineEdit::keyReleaseEvent(QKeyEvent *)
{
}
