// Picture slots of a test's own, for tests that load pictures without a
// window: one slot per name, kept for the whole test run.
#pragma once

#include "browse/picture_loader_slots.h"

#include <QString>

#include <map>
#include <memory>

namespace testsupport {

inline PictureSlotModel* testSlot(const QString& name)
{
    static std::map<QString, std::unique_ptr<PictureSlotModel>> made;
    std::unique_ptr<PictureSlotModel>& slot = made[name];
    if (!slot)
        slot = std::make_unique<PictureSlotModel>(name);
    return slot.get();
}

} // namespace testsupport
