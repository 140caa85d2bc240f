// Compiled with the core's settings only: it must fail, because the core cannot see widgets.
#include <QWidget>
