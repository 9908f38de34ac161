// Resource ids of the module.
#pragma once
