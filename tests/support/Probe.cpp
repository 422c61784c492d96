#include "support/Probe.h"

#include "app/Game.h"

PlainProbe::~PlainProbe() {
    _journal->push_back("destroy " + _name);
    if (_removeOnDestroy) {
        Game::Remove(_removeOnDestroy);
    }
}
