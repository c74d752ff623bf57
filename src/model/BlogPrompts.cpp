#include "model/BlogPrompts.h"

#include "model/HeadlessBlogPrompts.h"

static BlogPrompts* g_current = nullptr;

BlogPrompts& BlogPrompts::Current()
{
    static HeadlessBlogPrompts fallback;
    return g_current ? *g_current : fallback;
}

void BlogPrompts::Use(BlogPrompts* prompts)
{
    g_current = prompts;
}
