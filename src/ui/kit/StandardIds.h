// The ids that buttons and message boxes share: button 1 is OK and button 2
// Cancel in every dialog, and a message box answers with the id of the button
// that closed it.
#pragma once

namespace vantrel {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

}  // namespace vantrel
