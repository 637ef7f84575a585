// Tables of the Japanese character-width conversion, shared by both twins.
#pragma once
