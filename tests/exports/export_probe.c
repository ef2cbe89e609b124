// Loaded into a program with LD_PRELOAD. Before the program's own code runs it looks up each
// name listed in the file $EXPORT_PROBE_NAMES with dlsym and prints "name<TAB>where": "program"
// when the executable itself defines it, the library's file otherwise, "-" when nothing
// does. Then it ends the process.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <link.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

static const char* definingObject(const char* name) {
    void* address = dlsym(RTLD_DEFAULT, name);
    Dl_info info;
    struct link_map* object = NULL;
    if (address == NULL || dladdr1(address, &info, (void**)&object, RTLD_DL_LINKMAP) == 0 ||
        object == NULL) {
        return "-";
    }
    return object->l_name[0] == '\0' ? "program" : object->l_name;
}

__attribute__((constructor)) static void probeExports(void) {
    const char* listPath = getenv("EXPORT_PROBE_NAMES");
    if (listPath == NULL) {
        return;
    }
    FILE* list = fopen(listPath, "r");
    if (list == NULL) {
        _exit(2);
    }
    char name[256];
    while (fscanf(list, "%255s", name) == 1) {
        printf("%s\t%s\n", name, definingObject(name));
    }
    fclose(list);
    fflush(stdout);
    _exit(0);
}
