// Platform start-up: the system window classes are registered on first use.
#pragma once

namespace plat {

// Called by every entry point that creates or looks up window classes.
void ensureInitialised();
// Registers the "button", "static", "listbox" and "edit" classes (controls/).
void registerControlClasses();

}  // namespace plat
