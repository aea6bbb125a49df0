#include "app/menu_state.h"

int32_t MenuItemWidth = 0;
int32_t MenuMaxHintWidth = 0;
QString MenuCaptionText;
int32_t MenuHintWidth = 0;
QString MenuShortcutText;
