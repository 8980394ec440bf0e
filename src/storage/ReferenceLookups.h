#pragma once
// One small question per reference or registry lookup the screens, the
// validation and the import ask. Implemented with bound statements.
