#include "slideshow/show_keys.h"

ShowKeyCommand DecideShowKey(int key, bool ctrl, ShowKeyPlace place)
{
    for (const ShowKeyRow& row : ShowKeys) {
        if (row.key != key)
            continue;
        if (row.showWindowOnly && place != ShowKeyPlace::ShowWindow)
            return ShowKeyCommand::None;
        return ctrl ? row.withCtrl : row.plain;
    }
    return ShowKeyCommand::None;
}
